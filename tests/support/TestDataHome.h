#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the per-user data folder (XDG_DATA_HOME) at a fresh temporary folder for the life of the object,
// so that no test reads or writes the real settings tree.
class TestDataHome
{
public:
    TestDataHome();
    ~TestDataHome();
    TestDataHome(const TestDataHome&) = delete;
    TestDataHome& operator=(const TestDataHome&) = delete;

    QString path() const { return m_dir.path(); }
    // Writes a file below the temporary folder (creating folders), returns its full path.
    QString writeFile(const QString& relativePath, const QByteArray& content) const;
    // Puts something that is not a regular file at the path (creating folders): a FIFO, which blocks whoever
    // opens it for reading, or a folder. Returns its full path.
    enum class Special
    {
        Fifo,
        Folder
    };
    QString makeSpecial(const QString& relativePath, Special kind) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QTranslator>

namespace look {

constexpr int kLanguageCount = 3;

// Process-wide language id: 0 English, 1 Simplified Chinese, 2 Traditional Chinese.
int languageId();
void setLanguageId(int iLang);
// "English", "简体中文", "繁體中文"; empty for other ids.
QString languageName(int iLang);
// "/lang/en.qm" etc. below the program directory; empty for other ids.
QString translationFile(int iLang);
// Family FONT_LIST/FONT_%d at pixel size FONT_LIST/FONT_SIZE_%d; the toolkit default when unset.
QFont languageFont(int iLang);
QFont languageFont();

// Owns the one translator the program installs and reloads for each switch.
class OrnLanguage : public QObject
{
    Q_OBJECT
public:
    explicit OrnLanguage(QObject* parent = nullptr);
    ~OrnLanguage() override;

    // Reads Config/LangID and installs its translation when the file loads.
    bool loadStartupLanguage();
    // Stores the id (process-wide and as Config/LangID) even when the file is missing, as the
    // language button shows the new name either way; installs and emits languageChangedSignal
    // only when the translation loaded.
    bool switchLanguage(int iLang);

signals:
    void languageChangedSignal(int iLang);

private:
    bool loadInto(int iLang);

    QTranslator m_Translator;
    bool m_bInstalled = false;
};

} // namespace look

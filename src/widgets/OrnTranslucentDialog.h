#pragma once

#include <QWidget>

class OrnLabel;

// Covers the whole of its parent while the mouse sleeps; follows the parent's size.
class OrnTranslucentDialog : public QWidget
{
    Q_OBJECT
public:
    explicit OrnTranslucentDialog(QWidget* parent);

    // Sets the label's text again after a language switch.
    void retranslate();
    QString labelText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitParent();

    OrnLabel* m_pLabel = nullptr;
};

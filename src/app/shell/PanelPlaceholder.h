#pragma once

#include <QWidget>

// Holds the place of an editor panel that this version does not offer yet: it says so instead of
// showing controls that would do nothing.
class PanelPlaceholder : public QWidget
{
    Q_OBJECT

public:
    PanelPlaceholder(const char* sourceTitle, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const char* m_pSourceTitle;
};

#pragma once

#include <QAction>

// A menu entry in the language font.
class OrnAction : public QAction
{
    Q_OBJECT
public:
    explicit OrnAction(QObject* parent = nullptr);
    OrnAction(const QString& strText, QObject* parent);

    // Hides QAction's so the font follows a language switch together with the text.
    void setText(const QString& strText);
    QString text() const { return QAction::text(); }
};

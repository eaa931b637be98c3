#pragma once

#include <QValidator>

// 1 to 255 in at most three digits. Unlike QIntValidator it refuses "0" and leading zeros while typing.
class LoopCountValidator : public QValidator
{
    Q_OBJECT
public:
    explicit LoopCountValidator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
};

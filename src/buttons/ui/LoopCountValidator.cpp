#include "buttons/ui/LoopCountValidator.h"

LoopCountValidator::LoopCountValidator(QObject* parent) : QValidator(parent) {}

QValidator::State LoopCountValidator::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return Intermediate;
    if (input.size() > 3 || input.front() == QLatin1Char('0'))
        return Invalid;
    for (const QChar c : input) {
        if (!c.isDigit() || c.unicode() > '9')
            return Invalid;
    }
    return input.toInt() <= 255 ? Acceptable : Invalid;
}

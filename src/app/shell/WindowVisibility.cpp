#include "app/shell/WindowVisibility.h"

WindowAction windowActionFor(WindowRequest request, bool bTrayAvailable, bool bWindowHidden)
{
    switch (request) {
    case WindowRequest::Hide:
        return bTrayAvailable ? WindowAction::Hide : WindowAction::Minimise;
    case WindowRequest::Close:
        return bTrayAvailable ? WindowAction::Hide : WindowAction::Quit;
    case WindowRequest::TrayLost:
        return bWindowHidden ? WindowAction::Minimise : WindowAction::Nothing;
    }
    return WindowAction::Nothing;
}

TrayWatch::TrayWatch(std::function<bool()> probe, platform::TrayHostWatch* changes, QObject* parent)
    : QObject(parent), m_probe(std::move(probe)), m_bAvailable(m_probe && m_probe())
{
    if (changes)
        connect(changes, &platform::TrayHostWatch::mayHaveChanged, this, &TrayWatch::check);
}

void TrayWatch::check()
{
    const bool bAvailable = m_probe && m_probe();
    if (bAvailable == m_bAvailable)
        return;
    m_bAvailable = bAvailable;
    emit availabilityChanged(bAvailable);
}

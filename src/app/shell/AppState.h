#pragma once

// The no-mouse warning's flags, shared by the window and the warning box. GUI thread only.
struct AppState
{
    bool noMouseWarningActive = false;
    bool mousePluggedIn = false;
};

AppState& appState();

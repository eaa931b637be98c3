#pragma once

#include "platform/OsdMessage.h"

#include <QtGlobal>

#include <functional>

using OsdMessageHandler = std::function<void(const platform::OsdMessage&)>;

// Where the system hands the messages to the companion's window (WM_COPYDATA on Windows), takes them for
// `window` (QWidget::winId()) and passes each whole message on. False where they only come through the
// local server.
bool receiveWindowMessages(quintptr window, OsdMessageHandler handler);

#pragma once

#include "framework/ErrorHandler.h"

// The desktop's error prompt: a modal box titled "RUNTIME ERROR" with a critical
// icon, Abort / Retry / Ignore and Retry the default; plain messages get an OK box.
class QtErrorPrompt : public ErrorPrompt {
public:
    Answer askRuntimeError(const QString& message) override;
    void inform(const QString& message) override;
};

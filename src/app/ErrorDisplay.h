// The program's message boxes and its standard error display: an error that leaves an event handler
// is shown in a message box with the stop icon, captioned with the application title, and the
// program goes on.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

// The caption of the program's message boxes and the first part of the window caption.
extern std::string ApplicationTitle;

// Raised to end an operation without any message.
class EAbort : public std::runtime_error {
public:
  EAbort() : std::runtime_error("Operation aborted") {}
};

enum TMessageIcon { miNone, miStop };

// Shows a message box with an OK button and waits for it to be closed.
using TMessageBoxFunction =
    std::function<void(const std::string& Text, const std::string& Caption, TMessageIcon Icon)>;

// Replaces the way message boxes are shown (tests watch them this way); returns the previous one.
TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction Function);

// The error's message as the error display shows it: "." appended unless the last character's
// code is at most that of ".".
std::string ErrorDisplayText(const std::string& Message);

// A message box without an icon.
void ShowPlainMessage(const std::string& Text);

// The error display for a message.
void ShowErrorMessage(const std::string& Message);

// The error display for the exception being handled; call it inside a catch block. EAbort shows
// nothing.
void ShowCurrentException();

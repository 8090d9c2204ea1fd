#include "app/ErrorDisplay.h"

#include "app/WxText.h"

#include <wx/msgdlg.h>

std::string ApplicationTitle;

namespace {

void ShowNativeMessageBox(const std::string& Text, const std::string& Caption, TMessageIcon Icon) {
  wxMessageBox(ToWx(Text), ToWx(Caption), wxOK | (Icon == miStop ? wxICON_ERROR : wxICON_NONE));
}

TMessageBoxFunction& MessageBoxFunction() {
  static TMessageBoxFunction Function = ShowNativeMessageBox;
  return Function;
}

} // namespace

TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction Function) {
  TMessageBoxFunction Previous = std::move(MessageBoxFunction());
  MessageBoxFunction() = Function ? std::move(Function) : TMessageBoxFunction(ShowNativeMessageBox);
  return Previous;
}

std::string ErrorDisplayText(const std::string& Message) {
  // In UTF-8 the last byte of a character beyond ASCII is above '.' as the character itself is.
  if (!Message.empty() && static_cast<unsigned char>(Message.back()) > '.')
    return Message + ".";
  return Message;
}

void ShowPlainMessage(const std::string& Text) {
  MessageBoxFunction()(Text, ApplicationTitle, miNone);
}

void ShowErrorMessage(const std::string& Message) {
  MessageBoxFunction()(ErrorDisplayText(Message), ApplicationTitle, miStop);
}

void ShowCurrentException() {
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const std::exception& E) {
    ShowErrorMessage(E.what());
  } catch (...) {
    ShowErrorMessage("Unknown error");
  }
}

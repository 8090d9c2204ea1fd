// The stand-in CAD automation server (see StandInCad.h).
//   stand_in_cad.exe <log file> <ready event name> [--without-hwnd] [--raise Member=description]...
// It runs until its window is closed, or for two minutes at most.
#include "StandInCad.h"

#include "platform/ComObject.h"

#include <charconv>
#include <map>
#include <oleauto.h>
#include <shellapi.h>
#include <string>
#include <vector>

namespace {

std::wstring LogFileName;
std::map<std::wstring, std::wstring> Raises; // member → description
bool WithoutHWND = false;
HWND MainWindow = nullptr;

std::string Utf8(const std::wstring& Text) {
  if (Text.empty())
    return {};
  const int Length = ::WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()),
                                           nullptr, 0, nullptr, nullptr);
  std::string Result(static_cast<size_t>(Length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Result.data(),
                        Length, nullptr, nullptr);
  return Result;
}

void WriteLog(const std::string& Line) {
  std::string Text;
  for (char C : Line)
    Text += C == '\r' ? std::string("\\r") : C == '\n' ? std::string("\\n") : std::string(1, C);
  Text += "\n";
  const HANDLE File = ::CreateFileW(LogFileName.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File == INVALID_HANDLE_VALUE)
    return;
  DWORD Written = 0;
  ::WriteFile(File, Text.data(), static_cast<DWORD>(Text.size()), &Written, nullptr);
  ::CloseHandle(File);
}

std::string Described(const VARIANT& V) {
  const auto Text = [](BSTR S) {
    return "\"" + Utf8(S ? std::wstring(S, ::SysStringLen(S)) : std::wstring()) + "\"";
  };
  switch (V.vt) {
  case VT_BSTR:
    return "BSTR " + Text(V.bstrVal);
  case VT_BSTR | VT_BYREF:
    return "BSTR& " + Text(*V.pbstrVal);
  case VT_I4:
    return "I4 " + std::to_string(V.lVal);
  case VT_R8: {
    char Buffer[32];
    const auto End = std::to_chars(Buffer, Buffer + sizeof Buffer, V.dblVal).ptr;
    return "R8 " + std::string(Buffer, End);
  }
  default:
    return "VT " + std::to_string(V.vt);
  }
}

// An automation object with a fixed list of members; what each does is up to Call.
class TObject : public platform::TComObject<IDispatch> {
public:
  explicit TObject(std::vector<std::wstring> Members)
      : TComObject(IID_IDispatch), FMembers(std::move(Members)) {}

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* Count) override {
    *Count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* Names, UINT Count, LCID,
                                          DISPID* IDs) override {
    HRESULT Result = S_OK;
    for (UINT N = 0; N < Count; ++N) {
      IDs[N] = DISPID_UNKNOWN;
      for (size_t I = 0; I < FMembers.size(); ++I)
        if (::_wcsicmp(Names[N], FMembers[I].c_str()) == 0)
          IDs[N] = static_cast<DISPID>(I + 1);
      if (IDs[N] == DISPID_UNKNOWN)
        Result = DISP_E_UNKNOWNNAME;
    }
    return Result;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID ID, REFIID, LCID, WORD Flags, DISPPARAMS* Params,
                                   VARIANT* Result, EXCEPINFO* Exception, UINT*) override {
    if (ID < 1 || static_cast<size_t>(ID) > FMembers.size())
      return DISP_E_MEMBERNOTFOUND;
    const std::wstring& Member = FMembers[static_cast<size_t>(ID) - 1];
    // The arguments come last first.
    std::vector<VARIANT*> Args;
    for (UINT I = Params ? Params->cArgs : 0; I > 0; --I)
      Args.push_back(&Params->rgvarg[I - 1]);
    std::string Line = Utf8(Member) + "(";
    for (size_t I = 0; I < Args.size(); ++I)
      Line += (I ? ", " : "") + Described(*Args[I]);
    WriteLog(Line + ") flags " + std::to_string(Flags));

    if (const auto Raised = Raises.find(Member); Raised != Raises.end()) {
      if (Exception) {
        *Exception = EXCEPINFO{};
        Exception->scode = E_FAIL;
        Exception->bstrSource = ::SysAllocString(L"StandInCad");
        Exception->bstrDescription = ::SysAllocString(Raised->second.c_str());
      }
      return DISP_E_EXCEPTION;
    }
    return Call(Member, Args, Result);
  }

protected:
  virtual HRESULT Call(const std::wstring& Member, const std::vector<VARIANT*>& Args,
                       VARIANT* Result) = 0;

private:
  std::vector<std::wstring> FMembers;
};

class TDocument : public TObject {
public:
  TDocument() : TObject({L"SetVariable", L"SendCommand", L"AppendMark"}) {}

protected:
  HRESULT Call(const std::wstring& Member, const std::vector<VARIANT*>& Args, VARIANT*) override {
    if (Member == L"AppendMark") {
      if (Args.size() != 1 || Args[0]->vt != (VT_BSTR | VT_BYREF))
        return DISP_E_TYPEMISMATCH;
      BSTR& Text = *Args[0]->pbstrVal;
      const std::wstring Marked = std::wstring(Text, ::SysStringLen(Text)) + L" (seen)";
      ::SysFreeString(Text);
      Text = ::SysAllocString(Marked.c_str());
      return S_OK;
    }
    const size_t Expected = Member == L"SetVariable" ? 2 : 1;
    return Args.size() == Expected ? S_OK : DISP_E_BADPARAMCOUNT;
  }
};

class TApplication : public TObject {
public:
  TApplication()
      : TObject(WithoutHWND ? std::vector<std::wstring>{L"ActiveDocument"}
                            : std::vector<std::wstring>{L"HWND", L"ActiveDocument"}) {}

protected:
  HRESULT Call(const std::wstring& Member, const std::vector<VARIANT*>&, VARIANT* Result) override {
    if (!Result)
      return S_OK;
    if (Member == L"HWND") {
      Result->vt = VT_I8;
      Result->llVal = reinterpret_cast<LONG_PTR>(MainWindow);
    } else {
      Result->vt = VT_DISPATCH;
      Result->pdispVal = new TDocument; // the caller takes the only reference
    }
    return S_OK;
  }
};

LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM W, LPARAM L) {
  switch (Message) {
  case WM_KEYDOWN:
  case WM_KEYUP:
    if (W == VK_ESCAPE)
      WriteLog(Message == WM_KEYDOWN ? "Escape down" : "Escape up");
    return 0;
  case WM_TIMER:
    ::DestroyWindow(Window);
    return 0;
  case WM_DESTROY:
    ::PostQuitMessage(0);
    return 0;
  default:
    return ::DefWindowProcW(Window, Message, W, L);
  }
}

} // namespace

int WINAPI wWinMain(HINSTANCE Instance, HINSTANCE, PWSTR, int) {
  int Argc = 0;
  LPWSTR* Argv = ::CommandLineToArgvW(::GetCommandLineW(), &Argc);
  if (Argc < 3)
    return 2;
  LogFileName = Argv[1];
  const std::wstring ReadyEvent = Argv[2];
  for (int I = 3; I < Argc; ++I) {
    const std::wstring Arg = Argv[I];
    if (Arg == L"--without-hwnd") {
      WithoutHWND = true;
    } else if (Arg == L"--raise" && I + 1 < Argc) {
      const std::wstring Spec = Argv[++I];
      const size_t Equals = Spec.find(L'=');
      Raises[Spec.substr(0, Equals)] = Spec.substr(Equals + 1);
    }
  }
  ::LocalFree(Argv);

  if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
    return 3;
  WNDCLASSW Class{};
  Class.lpfnWndProc = WindowProc;
  Class.hInstance = Instance;
  Class.lpszClassName = StandInCadWindowClass;
  Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  ::RegisterClassW(&Class);
  MainWindow = ::CreateWindowExW(0, StandInCadWindowClass, L"Stand-in CAD", WS_OVERLAPPEDWINDOW,
                                 760, 40, 300, 160, nullptr, nullptr, Instance, nullptr);
  ::ShowWindow(MainWindow, SW_SHOWNOACTIVATE);
  ::SetTimer(MainWindow, 1, 120000, nullptr);

  IDispatch* Application = new TApplication;
  DWORD Registration = 0;
  const HRESULT Registered =
      ::RegisterActiveObject(Application, StandInCadClassID, ACTIVEOBJECT_STRONG, &Registration);
  if (const HANDLE Ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, ReadyEvent.c_str())) {
    ::SetEvent(Ready);
    ::CloseHandle(Ready);
  }
  if (SUCCEEDED(Registered)) {
    MSG Message;
    while (::GetMessageW(&Message, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&Message);
      ::DispatchMessageW(&Message);
    }
    ::RevokeActiveObject(Registration, nullptr);
  }
  ::CoDisconnectObject(Application, 0);
  Application->Release();
  ::CoUninitialize();
  return SUCCEEDED(Registered) ? 0 : 4;
}

#include "platform/Automation.h"

#include "platform/ComObject.h"
#include "platform/OsError.h"
#include "platform/WideString.h"

#include <utility>
#include <vector>
#include <windows.h>

#include <ole2.h>
#include <oleauto.h>

namespace platform {

namespace {

// One counted reference to a COM interface, released when dropped.
template <class TInterface> class TComRef {
public:
  TComRef() = default;
  explicit TComRef(TInterface* Taken) : FPointer(Taken) {}
  TComRef(const TComRef&) = delete;
  TComRef& operator=(const TComRef&) = delete;
  ~TComRef() {
    if (FPointer)
      FPointer->Release();
  }
  TInterface* operator->() const { return FPointer; }
  TInterface* Get() const { return FPointer; }
  // The place a call stores a new reference in.
  TInterface** Receive() { return &FPointer; }

private:
  TInterface* FPointer = nullptr;
};

void Check(HRESULT Result) {
  if (FAILED(Result))
    throw EOleSysError(Result);
}

BSTR NewBStr(const std::string& Text) {
  const std::wstring Wide = Utf8ToWide(Text);
  BSTR Result = ::SysAllocStringLen(Wide.data(), static_cast<UINT>(Wide.size()));
  if (!Result)
    throw EOleSysError(E_OUTOFMEMORY);
  return Result;
}

std::string FromBStr(BSTR Text) {
  return Text ? WideToUtf8(std::wstring(Text, ::SysStringLen(Text))) : std::string();
}

std::string ClassIDText(const CLSID& ClassID) {
  wchar_t Text[40];
  ::StringFromGUID2(ClassID, Text, 40);
  return WideToUtf8(Text);
}

CLSID ClassIDFromText(const std::string& Text) {
  CLSID ClassID;
  Check(::CLSIDFromString(Utf8ToWide(Text).c_str(), &ClassID));
  return ClassID;
}

// The arguments of one call as the runtime takes them: last first. Texts passed by reference live
// in BSTRs of their own, copied back after the call. Everything is freed with this object.
class TCallArguments {
public:
  explicit TCallArguments(std::span<TAutomationArgument> Args)
      : FArgs(Args), FVariants(Args.size()), FByRef(Args.size(), nullptr) {
    for (VARIANTARG& V : FVariants)
      ::VariantInit(&V);
    try {
      Fill();
    } catch (...) {
      Clear();
      throw;
    }
  }
  TCallArguments(const TCallArguments&) = delete;
  TCallArguments& operator=(const TCallArguments&) = delete;
  ~TCallArguments() { Clear(); }

  DISPPARAMS Params() {
    return DISPPARAMS{FVariants.data(), nullptr, static_cast<UINT>(FVariants.size()), 0};
  }

  void CopyBack() {
    for (std::size_t I = 0; I < FArgs.size(); ++I)
      if (const auto* Ref = std::get_if<TTextByRef>(&FArgs[I]))
        *Ref->Text = FromBStr(FByRef[I]);
  }

private:
  void Fill() {
    const std::span<TAutomationArgument> Args = FArgs;
    for (std::size_t I = 0; I < Args.size(); ++I) {
      VARIANTARG& V = FVariants[Args.size() - 1 - I];
      if (const auto* Text = std::get_if<std::string>(&Args[I])) {
        V.bstrVal = NewBStr(*Text);
        V.vt = VT_BSTR;
      } else if (const auto* Ref = std::get_if<TTextByRef>(&Args[I])) {
        FByRef[I] = NewBStr(*Ref->Text);
        V.pbstrVal = &FByRef[I];
        V.vt = VT_BSTR | VT_BYREF;
      } else if (const auto* Integer = std::get_if<std::int32_t>(&Args[I])) {
        V.lVal = *Integer;
        V.vt = VT_I4;
      } else {
        V.dblVal = std::get<double>(Args[I]);
        V.vt = VT_R8;
      }
    }
  }

  void Clear() {
    for (VARIANTARG& V : FVariants)
      if (!(V.vt & VT_BYREF))
        ::VariantClear(&V);
    for (BSTR& Text : FByRef) {
      ::SysFreeString(Text);
      Text = nullptr;
    }
  }

  std::span<TAutomationArgument> FArgs;
  std::vector<VARIANTARG> FVariants;
  std::vector<BSTR> FByRef;
};

// The exception an object reported, with its description (or the system's text for its code).
EOleException ExceptionOf(EXCEPINFO& Info) {
  if (Info.pfnDeferredFillIn)
    Info.pfnDeferredFillIn(&Info);
  const std::string Description = FromBStr(Info.bstrDescription);
  ::SysFreeString(Info.bstrSource);
  ::SysFreeString(Info.bstrDescription);
  ::SysFreeString(Info.bstrHelpFile);
  const std::int32_t Code = Info.scode ? Info.scode : DISP_E_EXCEPTION;
  return EOleException(Code, Description.empty() ? OleErrorMessage(Code) : Description);
}

class TComDispatchObject : public TDispatchObject {
public:
  explicit TComDispatchObject(IDispatch* Taken) : FDispatch(Taken) {}

  std::optional<std::int32_t> GetIDOfName(const std::string& Name) override {
    std::wstring Wide = Utf8ToWide(Name);
    LPOLESTR Names[] = {Wide.data()};
    DISPID ID = 0;
    if (FAILED(FDispatch->GetIDsOfNames(IID_NULL, Names, 1, ::GetThreadLocale(), &ID)))
      return std::nullopt;
    return ID;
  }

  TAutomationResult Invoke(std::int32_t DispID, std::uint16_t Flags,
                           std::span<TAutomationArgument> Args, TResultKind Kind) override {
    TCallArguments Arguments(Args);
    DISPPARAMS Params = Arguments.Params();
    VARIANT Result;
    ::VariantInit(&Result);
    EXCEPINFO Info{};
    UINT ArgError = 0;
    const HRESULT Hr = FDispatch->Invoke(DispID, IID_NULL, 0, Flags, &Params,
                                         Kind == rkNone ? nullptr : &Result, &Info, &ArgError);
    Arguments.CopyBack();
    if (Hr == DISP_E_EXCEPTION)
      throw ExceptionOf(Info);
    Check(Hr);
    return Converted(Result, Kind);
  }

private:
  // The result in the form asked for; the variant is cleared.
  static TAutomationResult Converted(VARIANT& Value, TResultKind Kind) {
    TAutomationResult Result;
    VARIANT Target;
    ::VariantInit(&Target);
    HRESULT Hr = S_OK;
    if (Kind == rkInteger) {
      Hr = ::VariantChangeType(&Target, &Value, 0, VT_I8);
      if (SUCCEEDED(Hr))
        Result.Integer = Target.llVal;
    } else if (Kind == rkObject && Value.vt != VT_EMPTY && Value.vt != VT_NULL) {
      Hr = ::VariantChangeType(&Target, &Value, 0, VT_DISPATCH);
      if (SUCCEEDED(Hr) && Target.pdispVal) {
        Target.pdispVal->AddRef();
        Result.Object = std::make_unique<TComDispatchObject>(Target.pdispVal);
      }
    }
    ::VariantClear(&Target);
    ::VariantClear(&Value);
    Check(Hr);
    return Result;
  }

  TComRef<IDispatch> FDispatch;
};

// The program's message filter as the runtime sees it.
class TComMessageFilter final : public TComObject<IMessageFilter> {
public:
  explicit TComMessageFilter(const TMessageFilterDecisions& Decisions)
      : TComObject(IID_IMessageFilter), FDecisions(Decisions) {}

  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD CallType, HTASK, DWORD TickCount,
                                             LPINTERFACEINFO) override {
    return FDecisions.HandleInComingCall(CallType, TickCount);
  }
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD TickCount, DWORD RejectType) override {
    return FDecisions.RetryRejectedCall(TickCount, RejectType);
  }
  DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD TickCount, DWORD PendingType) override {
    return FDecisions.MessagePending(TickCount, PendingType);
  }

private:
  TMessageFilterDecisions FDecisions;
};

class TComFilterRegistration : public TMessageFilterRegistration {
public:
  explicit TComFilterRegistration(const TMessageFilterDecisions& Decisions) {
    IMessageFilter* Filter = new TComMessageFilter(Decisions);
    const HRESULT Hr = ::CoRegisterMessageFilter(Filter, FOldFilter.Receive());
    // From here on the runtime holds the only reference.
    Filter->Release();
    Check(Hr);
  }
  ~TComFilterRegistration() override {
    TComRef<IMessageFilter> Ours;
    ::CoRegisterMessageFilter(FOldFilter.Get(), Ours.Receive());
  }

private:
  TComRef<IMessageFilter> FOldFilter; // the filter registered before, normally none
};

class TComRuntime : public TAutomationRuntime {
public:
  std::string CLSIDFromProgID(const std::string& ProgID) override {
    CLSID ClassID;
    Check(::CLSIDFromProgID(Utf8ToWide(ProgID).c_str(), &ClassID));
    return ClassIDText(ClassID);
  }

  bool HasActiveObject(const std::string& ClassID) override {
    TComRef<IUnknown> Object;
    return SUCCEEDED(::GetActiveObject(ClassIDFromText(ClassID), nullptr, Object.Receive()));
  }

  std::unique_ptr<TDispatchObject> GetActiveObject(const std::string& ClassID) override {
    TComRef<IUnknown> Object;
    Check(::GetActiveObject(ClassIDFromText(ClassID), nullptr, Object.Receive()));
    IDispatch* Dispatch = nullptr;
    Check(Object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&Dispatch)));
    return std::make_unique<TComDispatchObject>(Dispatch);
  }

  std::unique_ptr<TMessageFilterRegistration>
  RegisterMessageFilter(const TMessageFilterDecisions& Decisions) override {
    return std::make_unique<TComFilterRegistration>(Decisions);
  }
};

} // namespace

std::string SystemOleErrorText(std::int32_t ErrorCode) {
  return SysErrorMessage(ErrorCode);
}

TAutomationRuntime& SystemAutomationRuntime() {
  static TComRuntime Runtime;
  return Runtime;
}

} // namespace platform

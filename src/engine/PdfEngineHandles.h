// Owning holders of engine handles: each closes its handle with the engine's close function.
#pragma once

#include "engine/PdfEngineApi.h"

#include <memory>
#include <type_traits>

template <auto& CloseProc> struct TEngineCloser {
  template <typename THandle> void operator()(THandle Handle) const noexcept { CloseProc(Handle); }
};

template <typename THandle, auto& CloseProc>
using TEngineHandle = std::unique_ptr<std::remove_pointer_t<THandle>, TEngineCloser<CloseProc>>;

using TDocumentHandle = TEngineHandle<FPDF_DOCUMENT, FPDF_CloseDocument>;
using TFormHandle = TEngineHandle<FPDF_FORMHANDLE, FPDFDOC_ExitFormFillEnvironment>;
using TPageHandle = TEngineHandle<FPDF_PAGE, FPDF_ClosePage>;
using TTextPageHandle = TEngineHandle<FPDF_TEXTPAGE, FPDFText_ClosePage>;
using TSearchHandle = TEngineHandle<FPDF_SCHHANDLE, FPDFText_FindClose>;
using TWebLinksHandle = TEngineHandle<FPDF_PAGELINK, FPDFLink_CloseWebLinks>;

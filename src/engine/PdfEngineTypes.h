// The engine's C interface: handle types, plain types and the records passed across it, declared in
// the layouts the engine publishes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>

// Plain types.
using FPDF_BOOL = int;
using FPDF_RESULT = int;
using FPDF_DWORD = unsigned long;
using FS_FLOAT = float;
using FPDF_WCHAR = char16_t; // UTF-16 code unit, the engine's unsigned short
using FPDF_BYTESTRING = const char*;
using FPDF_WIDESTRING = const FPDF_WCHAR*;
using FPDF_STRING = const char*;
using FPDF_ANNOTATION_SUBTYPE = int;
using FPDF_ANNOT_APPEARANCEMODE = int;
using FPDF_OBJECT_TYPE = int;
using FPDFANNOT_COLORTYPE = int;
using FPDF_TEXT_RENDERMODE = int;
using FPDF_DUPLEXTYPE = int;
using FPDF_FILEIDTYPE = int;
using FPDF_HDC = void*; // a Windows device context; only Windows builds take one

// Opaque handles. Each tag is only ever used through a pointer.
#define QUOLSA_ENGINE_HANDLE(Name)                                                                 \
  struct Name##_Tag;                                                                               \
  using Name = Name##_Tag*;
QUOLSA_ENGINE_HANDLE(FPDF_ACTION)
QUOLSA_ENGINE_HANDLE(FPDF_ANNOTATION)
QUOLSA_ENGINE_HANDLE(FPDF_ATTACHMENT)
QUOLSA_ENGINE_HANDLE(FPDF_AVAIL)
QUOLSA_ENGINE_HANDLE(FPDF_BITMAP)
QUOLSA_ENGINE_HANDLE(FPDF_BOOKMARK)
QUOLSA_ENGINE_HANDLE(FPDF_CLIPPATH)
QUOLSA_ENGINE_HANDLE(FPDF_DEST)
QUOLSA_ENGINE_HANDLE(FPDF_DOCUMENT)
QUOLSA_ENGINE_HANDLE(FPDF_FONT)
QUOLSA_ENGINE_HANDLE(FPDF_FORMHANDLE)
QUOLSA_ENGINE_HANDLE(FPDF_GLYPHPATH)
QUOLSA_ENGINE_HANDLE(FPDF_JAVASCRIPT_ACTION)
QUOLSA_ENGINE_HANDLE(FPDF_LINK)
QUOLSA_ENGINE_HANDLE(FPDF_PAGE)
QUOLSA_ENGINE_HANDLE(FPDF_PAGELINK)
QUOLSA_ENGINE_HANDLE(FPDF_PAGEOBJECT)
QUOLSA_ENGINE_HANDLE(FPDF_PAGEOBJECTMARK)
QUOLSA_ENGINE_HANDLE(FPDF_PAGERANGE)
QUOLSA_ENGINE_HANDLE(FPDF_PATHSEGMENT)
QUOLSA_ENGINE_HANDLE(FPDF_SCHHANDLE)
QUOLSA_ENGINE_HANDLE(FPDF_SIGNATURE)
QUOLSA_ENGINE_HANDLE(FPDF_STRUCTELEMENT)
QUOLSA_ENGINE_HANDLE(FPDF_STRUCTELEMENT_ATTR)
QUOLSA_ENGINE_HANDLE(FPDF_STRUCTELEMENT_ATTR_VALUE)
QUOLSA_ENGINE_HANDLE(FPDF_STRUCTTREE)
QUOLSA_ENGINE_HANDLE(FPDF_TEXTPAGE)
QUOLSA_ENGINE_HANDLE(FPDF_WIDGET)
QUOLSA_ENGINE_HANDLE(FPDF_XOBJECT)
#undef QUOLSA_ENGINE_HANDLE

// Geometry records.
struct FS_MATRIX {
  float a, b, c, d, e, f;
};
struct FS_RECTF {
  float left, top, right, bottom;
};
struct FS_SIZEF {
  float width, height;
};
struct FS_POINTF {
  float x, y;
};
struct FS_QUADPOINTSF {
  float x1, y1, x2, y2, x3, y3, x4, y4;
};

// A byte string the engine allocates (XFA builds only).
struct FPDF_BSTR {
  char* str;
  int len;
};

struct FPDF_COLORSCHEME {
  FPDF_DWORD path_fill_color;
  FPDF_DWORD path_stroke_color;
  FPDF_DWORD text_fill_color;
  FPDF_DWORD text_stroke_color;
};

struct FPDF_LIBRARY_CONFIG {
  int version;
  const char** m_pUserFontPaths;
  void* m_pIsolate;
  unsigned int m_v8EmbedderSlot;
  void* m_pPlatform;
  int m_RendererType;
};

// Block reader of a custom document: returns non-zero when it filled the block.
struct FPDF_FILEACCESS {
  unsigned long m_FileLen;
  int (*m_GetBlock)(void* param, unsigned long position, unsigned char* pBuf, unsigned long size);
  void* m_Param;
};

// Sink of a save: WriteBlock returns non-zero on success.
struct FPDF_FILEWRITE {
  int version;
  int (*WriteBlock)(FPDF_FILEWRITE* pThis, const void* pData, unsigned long size);
};

// Unsupported-feature notification, version 1.
struct UNSUPPORT_INFO {
  int version;
  void (*FSDK_UnSupport_Handler)(UNSUPPORT_INFO* pThis, int nType);
};

struct FX_FILEAVAIL {
  int version;
  FPDF_BOOL (*IsDataAvail)(FX_FILEAVAIL* pThis, size_t offset, size_t size);
};

struct FX_DOWNLOADHINTS {
  int version;
  void (*AddSegment)(FX_DOWNLOADHINTS* pThis, size_t offset, size_t size);
};

struct IFSDK_PAUSE {
  int version;
  FPDF_BOOL (*NeedToPauseNow)(IFSDK_PAUSE* pThis);
  void* user;
};

struct FPDF_IMAGEOBJ_METADATA {
  unsigned int width;
  unsigned int height;
  float horizontal_dpi;
  float vertical_dpi;
  unsigned int bits_per_pixel;
  int colorspace;
  int marked_content_id;
};

struct FPDF_CharsetFontMap {
  int charset;
  const char* fontname;
};

struct FPDF_SYSFONTINFO {
  int version;
  void (*Release)(FPDF_SYSFONTINFO* pThis);
  void (*EnumFonts)(FPDF_SYSFONTINFO* pThis, void* pMapper);
  void* (*MapFont)(FPDF_SYSFONTINFO* pThis, int weight, FPDF_BOOL bItalic, int charset,
                   int pitch_family, const char* face, FPDF_BOOL* bExact);
  void* (*GetFont)(FPDF_SYSFONTINFO* pThis, const char* face);
  unsigned long (*GetFontData)(FPDF_SYSFONTINFO* pThis, void* hFont, unsigned int table,
                               unsigned char* buffer, unsigned long buf_size);
  unsigned long (*GetFaceName)(FPDF_SYSFONTINFO* pThis, void* hFont, char* buffer,
                               unsigned long buf_size);
  int (*GetFontCharset)(FPDF_SYSFONTINFO* pThis, void* hFont);
  void (*DeleteFont)(FPDF_SYSFONTINFO* pThis, void* hFont);
};

// Local time as the form layer wants it.
struct FPDF_SYSTEMTIME {
  unsigned short wYear;
  unsigned short wMonth;
  unsigned short wDayOfWeek;
  unsigned short wDay;
  unsigned short wHour;
  unsigned short wMinute;
  unsigned short wSecond;
  unsigned short wMilliseconds;
};

struct IPDF_JSPLATFORM;  // JavaScript host record; the program passes none
struct FPDF_FILEHANDLER; // file record of the XFA callbacks; only passed by pointer

using TimerCallback = void (*)(int idEvent);

// The form-fill record. Version 1 holds the members from Release to m_pJsPlatform; the engine reads
// the XFA members (xfa_disabled to FFI_PutRequestURL) only for version 2. The last two members are
// read, for either version, by engines that know them.
struct FPDF_FORMFILLINFO {
  int version;
  void (*Release)(FPDF_FORMFILLINFO* pThis);
  void (*FFI_Invalidate)(FPDF_FORMFILLINFO* pThis, FPDF_PAGE page, double left, double top,
                         double right, double bottom);
  void (*FFI_OutputSelectedRect)(FPDF_FORMFILLINFO* pThis, FPDF_PAGE page, double left, double top,
                                 double right, double bottom);
  void (*FFI_SetCursor)(FPDF_FORMFILLINFO* pThis, int nCursorType);
  int (*FFI_SetTimer)(FPDF_FORMFILLINFO* pThis, int uElapse, TimerCallback lpTimerFunc);
  void (*FFI_KillTimer)(FPDF_FORMFILLINFO* pThis, int nTimerID);
  FPDF_SYSTEMTIME (*FFI_GetLocalTime)(FPDF_FORMFILLINFO* pThis);
  void (*FFI_OnChange)(FPDF_FORMFILLINFO* pThis);
  FPDF_PAGE (*FFI_GetPage)(FPDF_FORMFILLINFO* pThis, FPDF_DOCUMENT document, int nPageIndex);
  FPDF_PAGE (*FFI_GetCurrentPage)(FPDF_FORMFILLINFO* pThis, FPDF_DOCUMENT document);
  int (*FFI_GetRotation)(FPDF_FORMFILLINFO* pThis, FPDF_PAGE page);
  void (*FFI_ExecuteNamedAction)(FPDF_FORMFILLINFO* pThis, FPDF_BYTESTRING namedAction);
  void (*FFI_SetTextFieldFocus)(FPDF_FORMFILLINFO* pThis, FPDF_WIDESTRING value,
                                FPDF_DWORD valueLen, FPDF_BOOL is_focus);
  void (*FFI_DoURIAction)(FPDF_FORMFILLINFO* pThis, FPDF_BYTESTRING bsURI);
  void (*FFI_DoGoToAction)(FPDF_FORMFILLINFO* pThis, int nPageIndex, int zoomMode, float* fPosArray,
                           int sizeofArray);
  IPDF_JSPLATFORM* m_pJsPlatform;
  // Version 2 (XFA).
  FPDF_BOOL xfa_disabled;
  void (*FFI_DisplayCaret)(FPDF_FORMFILLINFO* pThis, FPDF_PAGE page, FPDF_BOOL bVisible,
                           double left, double top, double right, double bottom);
  int (*FFI_GetCurrentPageIndex)(FPDF_FORMFILLINFO* pThis, FPDF_DOCUMENT document);
  void (*FFI_SetCurrentPage)(FPDF_FORMFILLINFO* pThis, FPDF_DOCUMENT document, int iCurPage);
  void (*FFI_GotoURL)(FPDF_FORMFILLINFO* pThis, FPDF_DOCUMENT document, FPDF_WIDESTRING wsURL);
  void (*FFI_GetPageViewRect)(FPDF_FORMFILLINFO* pThis, FPDF_PAGE page, double* left, double* top,
                              double* right, double* bottom);
  void (*FFI_PageEvent)(FPDF_FORMFILLINFO* pThis, int page_count, FPDF_DWORD event_type);
  FPDF_BOOL(*FFI_PopupMenu)
  (FPDF_FORMFILLINFO* pThis, FPDF_PAGE page, FPDF_WIDGET hWidget, int menuFlag, float x, float y);
  FPDF_FILEHANDLER* (*FFI_OpenFile)(FPDF_FORMFILLINFO* pThis, int fileFlag, FPDF_WIDESTRING wsURL,
                                    const char* mode);
  void (*FFI_EmailTo)(FPDF_FORMFILLINFO* pThis, FPDF_FILEHANDLER* fileHandler, FPDF_WIDESTRING pTo,
                      FPDF_WIDESTRING pSubject, FPDF_WIDESTRING pCC, FPDF_WIDESTRING pBcc,
                      FPDF_WIDESTRING pMsg);
  void (*FFI_UploadTo)(FPDF_FORMFILLINFO* pThis, FPDF_FILEHANDLER* fileHandler, int fileFlag,
                       FPDF_WIDESTRING uploadTo);
  int (*FFI_GetPlatform)(FPDF_FORMFILLINFO* pThis, void* platform, int length);
  int (*FFI_GetLanguage)(FPDF_FORMFILLINFO* pThis, void* language, int length);
  FPDF_FILEHANDLER* (*FFI_DownloadFromURL)(FPDF_FORMFILLINFO* pThis, FPDF_WIDESTRING URL);
  FPDF_BOOL(*FFI_PostRequestURL)
  (FPDF_FORMFILLINFO* pThis, FPDF_WIDESTRING wsURL, FPDF_WIDESTRING wsData,
   FPDF_WIDESTRING wsContentType, FPDF_WIDESTRING wsEncode, FPDF_WIDESTRING wsHeader,
   FPDF_BSTR* response);
  FPDF_BOOL(*FFI_PutRequestURL)
  (FPDF_FORMFILLINFO* pThis, FPDF_WIDESTRING wsURL, FPDF_WIDESTRING wsData,
   FPDF_WIDESTRING wsEncode);
  // Either version.
  void (*FFI_OnFocusChange)(FPDF_FORMFILLINFO* pThis, FPDF_ANNOTATION annot, int page_index);
  void (*FFI_DoURIActionWithKeyboardModifier)(FPDF_FORMFILLINFO* pThis, FPDF_BYTESTRING uri,
                                              int modifiers);
};

// Bitmap formats.
constexpr int FPDFBitmap_Unknown = 0;
constexpr int FPDFBitmap_Gray = 1;
constexpr int FPDFBitmap_BGR = 2;
constexpr int FPDFBitmap_BGRx = 3;
constexpr int FPDFBitmap_BGRA = 4;

// Render flags.
constexpr int FPDF_ANNOT = 0x01;
constexpr int FPDF_LCD_TEXT = 0x02;
constexpr int FPDF_NO_NATIVETEXT = 0x04;
constexpr int FPDF_GRAYSCALE = 0x08;
constexpr int FPDF_DEBUG_INFO = 0x80;
constexpr int FPDF_NO_CATCH = 0x100;
constexpr int FPDF_RENDER_LIMITEDIMAGECACHE = 0x200;
constexpr int FPDF_RENDER_FORCEHALFTONE = 0x400;
constexpr int FPDF_PRINTING = 0x800;
constexpr int FPDF_RENDER_NO_SMOOTHTEXT = 0x1000;
constexpr int FPDF_RENDER_NO_SMOOTHIMAGE = 0x2000;
constexpr int FPDF_RENDER_NO_SMOOTHPATH = 0x4000;
constexpr int FPDF_REVERSE_BYTE_ORDER = 0x10;
constexpr int FPDF_CONVERT_FILL_TO_STROKE = 0x20;

// States of a progressive render.
constexpr int FPDF_RENDER_READY = 0;
constexpr int FPDF_RENDER_TOBECONTINUED = 1;
constexpr int FPDF_RENDER_DONE = 2;
constexpr int FPDF_RENDER_FAILED = 3;

// Last-error codes after a failed open or page load.
constexpr unsigned long FPDF_ERR_SUCCESS = 0;
constexpr unsigned long FPDF_ERR_UNKNOWN = 1;
constexpr unsigned long FPDF_ERR_FILE = 2;
constexpr unsigned long FPDF_ERR_FORMAT = 3;
constexpr unsigned long FPDF_ERR_PASSWORD = 4;
constexpr unsigned long FPDF_ERR_SECURITY = 5;
constexpr unsigned long FPDF_ERR_PAGE = 6;

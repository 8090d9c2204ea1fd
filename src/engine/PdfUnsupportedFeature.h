// The engine's reports of features it does not support, attributed to the document whose engine
// call is running on the reporting thread.
#pragma once

#include <functional>
#include <string>

class TPdfDocument;

// The name of an unsupported-feature code ("XFA", "3D", ...; "Unknown" for codes without one).
std::string UnsupportedFeatureName(int Code);

// Called with the feature code and its name on every report made on the installing thread.
using TUnsupportedFeatureHook = std::function<void(int Code, const std::string& Name)>;
void SetUnsupportedFeatureHook(TUnsupportedFeatureHook Hook);

// The document that reports on this thread are attributed to; null when none.
TPdfDocument* LoadingDocument();

// Makes ADocument the thread's loading document for its lifetime and restores the previous one.
class TLoadingDocumentScope {
public:
  explicit TLoadingDocumentScope(TPdfDocument* ADocument);
  ~TLoadingDocumentScope();
  TLoadingDocumentScope(const TLoadingDocumentScope&) = delete;
  TLoadingDocumentScope& operator=(const TLoadingDocumentScope&) = delete;

private:
  TPdfDocument* FPrevious;
};

// Hands the engine the reporting procedure (part of the engine's first-use initialisation).
void RegisterUnsupportedFeatureHandler();

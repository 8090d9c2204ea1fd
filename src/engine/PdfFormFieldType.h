// The kinds of form field the engine tells apart at a page position.
#pragma once

// The ordinals of the known kinds are the engine's field type numbers.
enum TPdfFormFieldType {
  fftUnknown = 0,
  fftPushButton = 1,
  fftCheckBox = 2,
  fftRadioButton = 3,
  fftComboBox = 4,
  fftListBox = 5,
  fftTextField = 6,
  fftSignature = 7
};

// Anything but the known kinds (no field, other kinds) is fftUnknown.
constexpr TPdfFormFieldType FormFieldTypeOf(int EngineType) {
  return EngineType >= fftPushButton && EngineType <= fftSignature
             ? static_cast<TPdfFormFieldType>(EngineType)
             : fftUnknown;
}

// Dark colours for a window and its children, where the toolkit does not draw them dark itself.
#pragma once

class wxWindow;

void ApplyDarkColours(wxWindow* Window);

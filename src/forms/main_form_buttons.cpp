#include "forms/main_form.h"

void TForm1::SpeedButton1Click() {
    application_.visibleToolBar = !application_.visibleToolBar;
    setToolBarVisible(application_.visibleToolBar);
    processPendingMessages();
}

void TForm1::SpeedButton4Click() {
    // Filling the settings dialog from the settings ends with the glyph of SpeedButton5 (it
    // may have been switched there last time); the dialog itself follows.
    refreshHideGlyph();
    if (dialogs.settings) dialogs.settings();
}

void TForm1::SpeedButton5Click() {
    application_.hiddenWhereNotAct = !application_.hiddenWhereNotAct;
    refreshHideGlyph();
}

void TForm1::SpeedButton6Click() {
    if (dialogs.about) dialogs.about();
}

void TForm1::SpeedButton7Click() {
    std::string folder = application_.programDir;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    shell_.shellOpen(handle(), folder + "/help.chm", "", folder, SW_SHOW);
}

// SpeedButton8, SpeedButton2 and the tray menu's "Закрыть": closing the main window ends the program.
void TForm1::closeWindow() {
    PostMessageW(handle(), WM_CLOSE, 0, 0);
}

void TForm1::refreshHideGlyph() {
    SpeedButton5.setGlyph(application_.hiddenWhereNotAct ? Image3.get() : Image2.get());
}

// ToolBar1, Panel1, Label1, Label2 and ProgressBar1 move the window, but not with the right button.
void TForm1::dragByControl(UINT button) {
    if (button != WM_RBUTTONDOWN) dragWindow();
}

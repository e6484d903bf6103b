#include "app/app.h"

#include "app/main_window.h"
#include "app/size_selection.h"
#include "fonts/font_list.h"
#include "preview/preview_command.h"

namespace typovel {

void App::OnCreationComplete() {
    FillFontList(ports_.fonts, ports_.fontList, true);
    SelectListItem(ports_.sizeBox, kInitialSizeItem);
    ApplySizeText(ports_.sizeBox, state_.previewFormat);
}

void App::OnSizeItemSelected() { ApplySizeText(ports_.sizeBox, state_.previewFormat); }

void App::OnSizeEditChanged() { ApplySizeText(ports_.sizeBox, state_.previewFormat); }

void App::OnChineseClicked() { FillFontList(ports_.fonts, ports_.fontList, true); }

void App::OnEnglishClicked() { FillFontList(ports_.fonts, ports_.fontList, false); }

void App::OnPreviewClicked() {
    RunPreview({ports_.inputBox, ports_.fontList, ports_.view, ports_.messages}, state_);
}

int RunProgram(Desktop& desktop) {
    PreviewState state;
    if (!desktop.CreateMainWindow(state)) return -1;
    desktop.RunMessageLoop();
    return 0;
}

}  // namespace typovel

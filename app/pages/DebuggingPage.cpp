#include "app/pages/DebuggingPage.h"

#include "app/Text.h"
#include "app/Unit1.h"
#include "app/logic/WordTables.h"

DebuggingPage::DebuggingPage(TForm1& form) : Page(form, form.PageWidget("TabSheet1")) {
  ui.setupUi(page_);
  SetValues(ui.cbTileViewerSize, logic::kTileViewerSizes);
  // The item's own text is stored; a value matching no item leaves the
  // selection as it was.
  bind_.Combo(ui.cbTileViewerSize, "tile_viewer_displayed_tiles", form.Shared(),
              Bindings::ItemText(ui.cbTileViewerSize), Bindings::ItemWord(ui.cbTileViewerSize));
  bind_.Check(ui.cbDebugMode, "debug_mode", form.Shared());
  bind_.Edit(ui.edtDebuggerConsoleLines, "debugger_console_lines", form.Shared());
  bind_.Edit(ui.edtDebuggerDisassemblyLines, "debugger_disassembly_lines", form.Shared());
  bind_.Check(ui.cbDebuggerLog, "debugger_log", form.Shared());
  bind_.Check(ui.cbDebuggerDisassemblyShowLabels, "debugger_disassembly_display_labels",
              form.Shared());
  bind_.Edit(ui.edtMemoryEditorLines, "memory_editor_lines", form.Shared());
  bind_.Edit(ui.edtMemoryEditorCols, "memory_editor_columns", form.Shared());
}

void DebuggingPage::Fill(FillStep step) {
  if (step != FillStep::Debugging) return;
  bind_.Fill({ui.cbTileViewerSize, ui.cbDebugMode, ui.edtDebuggerConsoleLines,
              ui.edtDebuggerDisassemblyLines, ui.cbDebuggerLog, ui.cbDebuggerDisassemblyShowLabels,
              ui.edtMemoryEditorLines, ui.edtMemoryEditorCols});
}

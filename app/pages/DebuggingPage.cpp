#include "app/pages/DebuggingPage.h"

#include "app/PageContext.h"
#include "app/Text.h"
#include "app/logic/WordTables.h"

DebuggingPage::DebuggingPage(PageContext& context)
    : Page(context, context.PageWidget("TabSheet1")) {
  ui.setupUi(page_);
  SetValues(ui.cbTileViewerSize, logic::kTileViewerSizes);
  // The item's own text is stored; a value matching no item leaves the
  // selection as it was.
  bind_.Combo(ui.cbTileViewerSize, "tile_viewer_displayed_tiles", context.Shared(),
              Bindings::ItemText(ui.cbTileViewerSize), Bindings::ItemWord(ui.cbTileViewerSize));
  bind_.Check(ui.cbDebugMode, "debug_mode", context.Shared());
  bind_.Edit(ui.edtDebuggerConsoleLines, "debugger_console_lines", context.Shared());
  bind_.Edit(ui.edtDebuggerDisassemblyLines, "debugger_disassembly_lines", context.Shared());
  bind_.Check(ui.cbDebuggerLog, "debugger_log", context.Shared());
  bind_.Check(ui.cbDebuggerDisassemblyShowLabels, "debugger_disassembly_display_labels",
              context.Shared());
  bind_.Edit(ui.edtMemoryEditorLines, "memory_editor_lines", context.Shared());
  bind_.Edit(ui.edtMemoryEditorCols, "memory_editor_columns", context.Shared());
}

void DebuggingPage::Fill(FillStep step) {
  if (step != FillStep::Debugging) return;
  bind_.Fill({ui.cbTileViewerSize, ui.cbDebugMode, ui.edtDebuggerConsoleLines,
              ui.edtDebuggerDisassemblyLines, ui.cbDebuggerLog, ui.cbDebuggerDisassemblyShowLabels,
              ui.edtMemoryEditorLines, ui.edtMemoryEditorCols});
}

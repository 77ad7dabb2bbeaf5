// The loader fills the pages in this fixed order; every page takes part in the
// steps that concern it (Page::Fill) and ignores the others.
#pragma once

enum class FillStep {
  FrameSkip = 1,    // Emulation: frameskip_mode, frameskip_normal_speed, frameskip_auto_speed
  Gui,              // GUI: start_in_gui, tcGUIOS and its handler, the file browser keys
  MessagesAndNes,   // Messages: show_product_number, show_messages_fullscreen; Misc: nes_sucks
  CabinetMode,      // Input: cabinet_mode (input document)
  Location,         // Miscellaneous: edtLocation shows QuibPath
  Languages,        // Messages: the language list from quib.msg, then language
  Screenshots,      // Screenshots: screenshots_filename_template
  SoundAndLogging,  // Sound: tcSoundOS and its handler; Sound logging: format tab, accuracy
  Blitter,          // Blitter: tcBlitterOS and its handler
  Themes,           // Theme: ListThemes, then theme
  Emulation,        // Emulation: bios_logo, sprite_flickering, country, tv_type
  Mario,            // Miscellaneous: mario_is_a_fat_plumber (appended when empty)
  Glasses,          // Emulation: 3dglasses_mode, 3dglasses_com_port
  Input,            // Input: rapidfire, joypad group, joy_driver, mouse speeds, opposite dirs
  Debugging,        // Debugging: tile viewer, debug mode, debugger and memory editor keys
};

constexpr int kFirstFillStep = static_cast<int>(FillStep::FrameSkip);
constexpr int kLastFillStep = static_cast<int>(FillStep::Debugging);

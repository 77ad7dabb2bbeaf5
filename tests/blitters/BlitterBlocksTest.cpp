#include <gtest/gtest.h>

#include "blitters/BlitterBlocks.h"

namespace {

constexpr int kDos = 0;
constexpr int kWin = 1;
constexpr int kUnix = 2;

// Every test edits as the user would, after the first showing.
class Blitters : public ::testing::Test {
 protected:
  StoreWrites writes_;
};

using Names = std::vector<std::string>;

// ---- Listing and the header lookup ------------------------------------------

TEST_F(Blitters, ListsOnlyTheBuildsHeadersFromTheSecondLineOn) {
  const Document doc{"[First::DOS]", "res=320x200",   "",
                     "[Win::WIN]",   "[Second::DOS]", "; [x::DOS]",
                     "[Lower::dos]", "[Nix::UNIX]",   "[Big Name::DOS]"};
  EXPECT_EQ(BlitterNames(doc, kDos), (Names{"Second", "Big Name"}));
  EXPECT_EQ(BlitterNames(doc, kWin), (Names{"Win"}));
  EXPECT_EQ(BlitterNames(doc, kUnix), (Names{"Nix"}));
  EXPECT_TRUE(BlitterNames(doc, 3).empty());
  EXPECT_TRUE(BlitterNames(doc, -1).empty());
}

TEST_F(Blitters, NameLengthRuleForMalformedHeaders) {
  const Document doc{"", "[A::DOS] extra", "[B::DOSX]", "[::DOS", "[C::DOS", "[::DOS]"};
  // Length minus suffix minus 2, counted from the second character.
  EXPECT_EQ(BlitterNames(doc, kDos), (Names{"A::DOS]", "B:", "", "", ""}));
}

TEST_F(Blitters, HeaderLookupIsCaseInsensitiveAndFindsTheFirst) {
  const Document doc{"[Fast::DOS]", "", "[FAST::DOS]", "res=1x1", "[fast::WIN]"};
  EXPECT_EQ(FindBlitterHeader(doc, "fast", kDos), 0);
  EXPECT_EQ(FindBlitterHeader(doc, "FAST", kWin), 4);
  EXPECT_EQ(FindBlitterHeader(doc, "fast", kUnix), -1);
  EXPECT_EQ(FindBlitterHeader(doc, "", kDos), -1);
  EXPECT_EQ(FindBlitterHeader(doc, "Fast", 7), -1);
}

TEST_F(Blitters, HeadersDifferingInCaseBothShowTheFirstBlock) {
  Document doc{"; quib.blt", "[Fast::DOS]", "res=320x200", "", "[FAST::DOS]", "res=640x480", ""};
  EXPECT_EQ(BlitterNames(doc, kDos), (Names{"Fast", "FAST"}));
  Document block = LoadBlitterBlock(doc, "FAST", kDos);
  EXPECT_EQ(block, (Document{"res=320x200", ""}));
  EXPECT_TRUE(SetBlitterValue(doc, block, "FAST", kDos, "res", "400x300"));
  EXPECT_EQ(doc, (Document{"; quib.blt", "[Fast::DOS]", "res=400x300", "", "[FAST::DOS]",
                           "res=640x480", ""}));
}

TEST_F(Blitters, HeaderOnTheFirstLineIsNotListedButStillFound) {
  Document doc{"[Top::DOS]", "res=320x200", "[Next::DOS]", "res=640x480"};
  EXPECT_EQ(BlitterNames(doc, kDos), (Names{"Next"}));
  EXPECT_EQ(LoadBlitterBlock(doc, "Top", kDos), (Document{"res=320x200"}));
  Document block{"res=512x384"};
  EXPECT_TRUE(StoreBlitterBlock(doc, "Top", kDos, block));
  EXPECT_EQ(doc, (Document{"[Top::DOS]", "res=512x384", "", "[Next::DOS]", "res=640x480"}));
}

// ---- Loading and storing ----------------------------------------------------

TEST_F(Blitters, StoreDropsInnerEmptyLinesAndEndsWithOne) {
  Document doc{"[A::DOS]", "res=320x200", "", ";[B::DOS]", ";res = 640x480", "", "[C::DOS]"};
  const Document block = LoadBlitterBlock(doc, "A", kDos);
  EXPECT_EQ(block, (Document{"res=320x200", "", ";[B::DOS]", ";res = 640x480", ""}));
  EXPECT_TRUE(StoreBlitterBlock(doc, "A", kDos, block));
  EXPECT_EQ(doc,
            (Document{"[A::DOS]", "res=320x200", ";[B::DOS]", ";res = 640x480", "", "[C::DOS]"}));
  // The last block of the file runs to its end.
  EXPECT_TRUE(StoreBlitterBlock(doc, "C", kDos, Document{"", "vsync", "", ""}));
  EXPECT_EQ(doc.back(), "");
  EXPECT_EQ(doc[doc.size() - 2], "vsync");
}

TEST_F(Blitters, OtherBuildsInterleavedStayPut) {
  Document doc{"; top", "[N::DOS]", "res=320x200", "", "[N::WIN]",  "res=1x1",
               "",      "[M::DOS]", "driver=vga",  "", "[N::UNIX]", "driver=xdfs"};
  Document block = LoadBlitterBlock(doc, "n", kWin);
  EXPECT_EQ(block, (Document{"res=1x1", ""}));
  EXPECT_TRUE(SetBlitterValue(doc, block, "n", kWin, "driver", "gdi"));
  EXPECT_EQ(doc,
            (Document{"; top", "[N::DOS]", "res=320x200", "", "[N::WIN]", "res=1x1", "driver=gdi",
                      "", "[M::DOS]", "driver=vga", "", "[N::UNIX]", "driver=xdfs"}));
}

TEST_F(Blitters, NoHeaderFoundLeavesEverythingAlone) {
  // A listed line with text after its "]", a suffix not at the end, the empty
  // name: none of them has a header the lookup can find.
  const Document original{"; opening comment", "res=1x1",    "[A::DOS] extra", "vsync",
                          "[B::DOSX]",         "driver=vga", "[::DOS",         "flip"};
  for (const std::string& name : BlitterNames(original, kDos)) {
    Document doc = original;
    EXPECT_TRUE(LoadBlitterBlock(doc, name, kDos).empty()) << name;
    Document block{"res=640x480", "stretch"};
    EXPECT_FALSE(StoreBlitterBlock(doc, name, kDos, block)) << name;
    EXPECT_FALSE(SetBlitterValue(doc, block, name, kDos, "res", "800x600")) << name;
    BlitterFlagStates boxes{};
    EXPECT_FALSE(TickBlitterFlag(doc, block, name, kDos, BlitterFlag::VSync, boxes)) << name;
    EXPECT_FALSE(ClearBlitterFlag(doc, block, name, kDos, BlitterFlag::Stretch, boxes)) << name;
    EXPECT_EQ(boxes, BlitterFlagStates{}) << name;
    EXPECT_EQ(block, (Document{"res=640x480", "stretch"})) << name;
    EXPECT_FALSE(RenameBlitter(doc, name, "New", kDos)) << name;
    EXPECT_EQ(DeleteBlitter(doc, name, kDos, 1), 1) << name;
    EXPECT_EQ(doc, original) << name;
  }
}

TEST_F(Blitters, EditsDuringAFillChangeNothing) {
  const Document original{"", "[A::DOS]", "vsync", "flip", "", "[B::DOS]"};
  Document doc = original;
  Document block = LoadBlitterBlock(doc, "A", kDos);
  BlitterFlagStates boxes = BlitterFlagStatesOf(block);
  {
    FillGuard fill;
    EXPECT_FALSE(TickBlitterFlag(doc, block, "A", kDos, BlitterFlag::Flipped, boxes));
    EXPECT_FALSE(ClearBlitterFlag(doc, block, "A", kDos, BlitterFlag::VSync, boxes));
    EXPECT_FALSE(ChangeBlitterRes(doc, block, "A", kDos, "", -1).value.empty());
    EXPECT_FALSE(ChangeBlitterFilter(doc, block, "A", kDos, 3));
    EXPECT_FALSE(ChangeBlitterRefreshRate(doc, block, "A", kDos, "60"));
    EXPECT_FALSE(ChangeBlitterColourDepth(doc, block, "A", kDos, "16"));
  }
  EXPECT_EQ(doc, original);
  EXPECT_EQ(block, (Document{"vsync", "flip", ""}));
  EXPECT_EQ(boxes, (BlitterFlagStates{true, true, false, false}));
}

// ---- Showing a blitter ------------------------------------------------------

TEST_F(Blitters, ViewReadsValuesAndSwitches) {
  const Document block{"res=640x480 ; big", "driver=vesa2l", "blitter=hq2x",    "VSYNC",
                       "Stretch",           ";flip",         "refresh_rate=60", ""};
  const BlitterBlockView view = ViewBlitterBlock(block);
  EXPECT_TRUE(view.vsync);
  EXPECT_FALSE(view.flipped);
  EXPECT_FALSE(view.tripleBuffering);
  EXPECT_TRUE(view.stretch);
  EXPECT_EQ(view.res, "640x480");
  EXPECT_EQ(view.driver, "vesa2l");
  EXPECT_EQ(view.refreshRate, "60");
  EXPECT_EQ(view.colourDepth, "");
  EXPECT_EQ(MatchBlitterWord(kBlitterFilterWords, view.filter), 6);
}

TEST_F(Blitters, WordMatchDefaultsAndKeeps) {
  EXPECT_EQ(MatchBlitterWord(kBlitterFilterWords, ""), 0);
  EXPECT_EQ(MatchBlitterWord(kBlitterFilterWords, "tvmode_double"), 4);
  EXPECT_EQ(MatchBlitterWord(kBlitterFilterWords, "Eagle"), -1);  // case counts
  const std::array<std::string_view, 2> nix{"auto", "xdfs"};
  EXPECT_EQ(MatchBlitterWord(nix, "directx"), -1);
}

// ---- Editing values ---------------------------------------------------------

TEST_F(Blitters, ResolutionFirstCharacterRule) {
  auto pick = PickBlitterRes("800x600", 3);
  EXPECT_FALSE(pick.selectItem);
  EXPECT_EQ(pick.value, "800x600");

  struct Case {
    std::string_view text;
    int selected;
    int item;
    std::string_view value;
  };
  for (const Case& c : {Case{"", -1, 0, "320x200"}, Case{"0x1", 1, 2, "400x300"},
                        Case{"x", 3, 4, "640x480"}, Case{"----------", 5, 6, "160x144"},
                        // The item after the selected one is never the separator.
                        Case{"", 4, 6, "160x144"},
                        // After the last item, the first one again.
                        Case{"abc", 8, 0, "320x200"}}) {
    pick = PickBlitterRes(c.text, c.selected);
    EXPECT_TRUE(pick.selectItem) << c.text << " " << c.selected;
    EXPECT_EQ(pick.itemIndex, c.item) << c.text << " " << c.selected;
    EXPECT_EQ(pick.value, c.value) << c.text << " " << c.selected;
  }
}

TEST_F(Blitters, TypingAResolutionStoresEveryKeystroke) {
  Document doc{"", "[A::DOS]", "res=320x200", "driver=vga", "", "[B::DOS]"};
  Document block = LoadBlitterBlock(doc, "A", kDos);
  int selected = 0;
  for (std::string_view text : {"", "8", "80", "800", "800x", "800x6", "800x60", "800x600"}) {
    const BlitterResPick pick = ChangeBlitterRes(doc, block, "A", kDos, text, selected);
    if (pick.selectItem) selected = pick.itemIndex;
  }
  EXPECT_EQ(doc, (Document{"", "[A::DOS]", "res=800x600", "driver=vga", "", "[B::DOS]"}));
  ChangeBlitterRes(doc, block, "A", kDos, "----------", kBlitterResSeparator);
  EXPECT_EQ(doc[2], "res=160x144");
}

TEST_F(Blitters, FilterRefreshRateAndDepthWords) {
  Document doc{"", "[A::WIN]", "refresh_rate=60 ; hz", ""};
  Document block = LoadBlitterBlock(doc, "A", kWin);
  EXPECT_TRUE(ChangeBlitterRefreshRate(doc, block, "A", kWin, "Auto"));
  EXPECT_TRUE(ChangeBlitterColourDepth(doc, block, "A", kWin, "Auto"));
  EXPECT_TRUE(ChangeBlitterFilter(doc, block, "A", kWin, 4));
  EXPECT_FALSE(ChangeBlitterFilter(doc, block, "A", kWin, 8));
  EXPECT_FALSE(ChangeBlitterFilter(doc, block, "A", kWin, -1));
  EXPECT_TRUE(SetBlitterValue(doc, block, "A", kWin, "driver", "gdi"));
  EXPECT_EQ(doc, (Document{"", "[A::WIN]", "refresh_rate=auto ; hz", "video_depth=Auto",
                           "blitter=tvmode_double", "driver=gdi", ""}));
}

// ---- Flag switches ----------------------------------------------------------

TEST_F(Blitters, FlagTableIsIndexedByFlag) {
  for (const BlitterFlagBox& box : kBlitterFlagBoxes) EXPECT_EQ(&BlitterFlagBoxOf(box.flag), &box);
}

TEST_F(Blitters, FlagSequenceVSyncFlippedTripleVSync) {
  Document doc{"", "[A::DOS]", "res=320x200", "vsync", "", ";[B::DOS]", ";flip", "", "[C::DOS]"};
  Document block = LoadBlitterBlock(doc, "A", kDos);
  BlitterFlagStates boxes = BlitterFlagStatesOf(block);
  ASSERT_EQ(boxes, (BlitterFlagStates{true, false, false, false}));

  // The current block keeps its inner empty line until it is loaded again, so
  // each word lands above it.
  EXPECT_TRUE(TickBlitterFlag(doc, block, "A", kDos, BlitterFlag::Flipped, boxes));
  EXPECT_EQ(boxes, (BlitterFlagStates{false, true, false, false}));
  EXPECT_EQ(
      doc, (Document{"", "[A::DOS]", "res=320x200", "flip", ";[B::DOS]", ";flip", "", "[C::DOS]"}));

  EXPECT_TRUE(TickBlitterFlag(doc, block, "A", kDos, BlitterFlag::TripleBuffering, boxes));
  EXPECT_EQ(boxes, (BlitterFlagStates{false, false, true, false}));
  EXPECT_EQ(doc, (Document{"", "[A::DOS]", "res=320x200", "triple_buffering", ";[B::DOS]", ";flip",
                           "", "[C::DOS]"}));

  // VSync does not clear Triple buffered.
  EXPECT_TRUE(TickBlitterFlag(doc, block, "A", kDos, BlitterFlag::VSync, boxes));
  EXPECT_EQ(boxes, (BlitterFlagStates{true, false, true, false}));
  EXPECT_EQ(doc, (Document{"", "[A::DOS]", "res=320x200", "triple_buffering", "vsync", ";[B::DOS]",
                           ";flip", "", "[C::DOS]"}));
  EXPECT_EQ(BlitterFlagStatesOf(LoadBlitterBlock(doc, "A", kDos)), boxes);
}

TEST_F(Blitters, StretchGoesAboveTheFirstEmptyLineOrAtTheEnd) {
  Document doc{"", "[A::DOS]", "res=1x1"};
  Document block = LoadBlitterBlock(doc, "A", kDos);
  BlitterFlagStates boxes{};
  EXPECT_TRUE(TickBlitterFlag(doc, block, "A", kDos, BlitterFlag::Stretch, boxes));
  EXPECT_EQ(block, (Document{"res=1x1", "stretch"}));

  block = {"res=1x1", "", ";[B::DOS]", "", ""};
  TickBlitterFlag(doc, block, "A", kDos, BlitterFlag::VSync, boxes);
  EXPECT_EQ(block, (Document{"res=1x1", "vsync", "", ";[B::DOS]", "", ""}));
  ClearBlitterFlag(doc, block, "A", kDos, BlitterFlag::VSync, boxes);
  TickBlitterFlag(doc, block, "A", kDos, BlitterFlag::VSync, boxes);
  EXPECT_EQ(std::count(block.begin(), block.end(), "vsync"), 1);

  // Ticking again with the word present stores nothing.
  doc = {"", "[A::DOS]", "Stretch", "", "", "x"};
  block = LoadBlitterBlock(doc, "A", kDos);
  EXPECT_TRUE(TickBlitterFlag(doc, block, "A", kDos, BlitterFlag::Stretch, boxes));
  EXPECT_EQ(doc, (Document{"", "[A::DOS]", "Stretch", "", "", "x"}));
}

TEST_F(Blitters, ClearingRemovesEveryLineOfTheWord) {
  Document doc{"", "[A::DOS]", "flip", "res=1x1", "FLIP", "", "[B::DOS]"};
  Document block = LoadBlitterBlock(doc, "A", kDos);
  BlitterFlagStates boxes = BlitterFlagStatesOf(block);
  EXPECT_TRUE(ClearBlitterFlag(doc, block, "A", kDos, BlitterFlag::Flipped, boxes));
  EXPECT_FALSE(boxes[static_cast<std::size_t>(BlitterFlag::Flipped)]);
  EXPECT_EQ(doc, (Document{"", "[A::DOS]", "res=1x1", "", "[B::DOS]"}));
  EXPECT_FALSE(BlitterFlagStatesOf(LoadBlitterBlock(doc, "A", kDos))[1]);
}

// ---- Add, rename, delete ----------------------------------------------------

TEST_F(Blitters, AddAppendsNormalisedBlockAtTheVeryEnd) {
  Document doc{"; top", "[A::WIN]", "res=1x1", "", "[Z::DOS]", "res=2x2"};
  EXPECT_EQ(AddBlitter(doc, "My Blitter", kWin), 1);
  EXPECT_EQ(
      doc, (Document{"; top", "[A::WIN]", "res=1x1", "", "[Z::DOS]", "res=2x2", "[My Blitter::WIN]",
                     "res=320x200", "blitter=normal", "driver=auto", ""}));
  EXPECT_EQ(BlitterNames(doc, kWin), (Names{"A", "My Blitter"}));

  // The page reads the defaults at once and a new value replaces its line.
  Document block = LoadBlitterBlock(doc, "My Blitter", kWin);
  EXPECT_EQ(ViewBlitterBlock(block).res, "320x200");
  SetBlitterValue(doc, block, "My Blitter", kWin, "res", "640x480");
  EXPECT_EQ(LoadBlitterBlock(doc, "My Blitter", kWin),
            (Document{"res=640x480", "blitter=normal", "driver=auto", ""}));

  // A second blitter of the same name is added and listed.
  EXPECT_EQ(AddBlitter(doc, "A", kWin), 2);
  EXPECT_EQ(AddBlitter(doc, "", kWin), -1);
  EXPECT_EQ(doc.size(), 16u);
}

TEST_F(Blitters, AddToAnEmptyDocumentIsListed) {
  Document doc;
  EXPECT_EQ(AddBlitter(doc, "Only", kUnix), 0);
  EXPECT_EQ(doc.front(), "");
  EXPECT_EQ(BlitterNames(doc, kUnix), (Names{"Only"}));
}

TEST_F(Blitters, RenameRewritesOnlyTheHeader) {
  Document doc{"", "[Normal::DOS]", "res=1x1", ""};
  EXPECT_FALSE(RenameBlitter(doc, "Normal", "Normal", kDos));
  EXPECT_FALSE(RenameBlitter(doc, "Normal", "", kDos));
  EXPECT_TRUE(RenameBlitter(doc, "Normal", "normal", kDos));
  EXPECT_EQ(doc, (Document{"", "[normal::DOS]", "res=1x1", ""}));
  EXPECT_FALSE(RenameBlitter(doc, "", "X", kDos));
  EXPECT_EQ(doc, (Document{"", "[normal::DOS]", "res=1x1", ""}));
}

TEST_F(Blitters, DeleteStopsAtAnyLineWithABracket) {
  Document doc{"",          "[A::DOS]",   "res=1x1", "",         "[B::DOS]", "res=2x2", "",
               ";[C::DOS]", ";res = 3x3", "",        "[D::WIN]", "x = [y]",  "[E::DOS]"};
  EXPECT_EQ(DeleteBlitter(doc, "B", kDos, 1), 1);
  EXPECT_EQ(doc, (Document{"", "[A::DOS]", "res=1x1", "", ";[C::DOS]", ";res = 3x3", "", "[D::WIN]",
                           "x = [y]", "[E::DOS]"}));
  EXPECT_EQ(DeleteBlitter(doc, "D", kWin, 0), -1);
  EXPECT_EQ(doc, (Document{"", "[A::DOS]", "res=1x1", "", ";[C::DOS]", ";res = 3x3", "", "x = [y]",
                           "[E::DOS]"}));
  // Deleting the last entry selects the new last one.
  EXPECT_EQ(DeleteBlitter(doc, "E", kDos, 1), 0);
  EXPECT_EQ(DeleteBlitter(doc, "A", kDos, 0), -1);
  EXPECT_EQ(doc, (Document{"", ";[C::DOS]", ";res = 3x3", "", "x = [y]"}));
  // Nothing selected: nothing removed.
  EXPECT_EQ(DeleteBlitter(doc, "", kDos, -1), -1);
  EXPECT_EQ(doc.size(), 5u);
}

// ---- Uncomment --------------------------------------------------------------

TEST_F(Blitters, StripLeadingSemicolons) {
  EXPECT_EQ(StripLeadingSemicolons(";;;res = 1 ; x"), "res = 1 ; x");
  EXPECT_EQ(StripLeadingSemicolons(";;"), "");
  EXPECT_EQ(StripLeadingSemicolons(""), "");
  EXPECT_EQ(StripLeadingSemicolons(" ;x"), " ;x");
}

TEST_F(Blitters, UncommentTheFirstLineOfEachKind) {
  Document doc{"; opening ;res = 1x1", ";vsync", ";[Fast::DOS]", ";res = 320x200", ";res = 640x480",
               ";;driver = vesa2l",    ";vsync", ";flip"};
  EXPECT_EQ(UncommentBlitters(doc, "FAST", kDos), 0);
  EXPECT_EQ(doc, (Document{"; opening ;res = 1x1", ";vsync", "[Fast::DOS]", "res=320x200",
                           ";res = 640x480", "driver=vesa2l", "vsync", ";flip"}));
  EXPECT_EQ(UncommentBlitters(doc, "Gone", kDos), -1);
}

TEST_F(Blitters, UncommentCountsActiveLinesAndResetsAtEveryHeader) {
  Document doc{"",
               "[A::DOS]",
               "res=320x200",
               ";res = 640x480",
               "flip",
               ";vsync",
               ";blitter = hq2x",
               ";blitter = eagle",
               "",
               ";[B::WIN]",
               ";RES = 1x1",
               ";driver=vga",
               ";driver = vga ; note",
               ";;",
               ";flip",
               "[C::DOS]",
               "driver = vga",
               ";driver = safe"};
  const std::size_t lines = doc.size();
  EXPECT_EQ(UncommentBlitters(doc, "b", kWin), 0);
  EXPECT_EQ(doc.size(), lines);
  EXPECT_EQ(doc, (Document{"", "[A::DOS]", "res=320x200", ";res = 640x480", "flip", ";vsync",
                           "blitter=hq2x", ";blitter = eagle", "", "[B::WIN]", ";RES = 1x1",
                           ";driver=vga", "driver=vga ; note", ";;", "flip", "[C::DOS]",
                           "driver = vga", ";driver = safe"}));
}

TEST_F(Blitters, UncommentedBlocksReadAtOnce) {
  Document doc{"", "[A::DOS]", "", ";[B::DOS]", ";res = 400x300", ";blitter = scanlines"};
  EXPECT_EQ(UncommentBlitters(doc, "A", kDos), 0);
  Document block = LoadBlitterBlock(doc, "B", kDos);
  EXPECT_EQ(ViewBlitterBlock(block).res, "400x300");
  SetBlitterValue(doc, block, "B", kDos, "res", "640x480");
  EXPECT_EQ(LoadBlitterBlock(doc, "B", kDos), (Document{"res=640x480", "blitter=scanlines", ""}));
}

}  // namespace

#include <gtest/gtest.h>

#include "BitmapCheck.h"
#include "ErrorTexts.h"
#include "LineBreaks.h"
#include "NameLength.h"

using brimblet::Catalogue;

TEST(CatalogueTest, choosesTheFirstListedLanguageTheGameHasAndFillsItsTexts) {
    const auto code = [](const std::vector<std::string>& listed) { return Catalogue::Preferred(listed).Code(); };
    EXPECT_EQ(code({"pt_BR.UTF-8"}), "pt_BR");
    EXPECT_EQ(code({"pt-PT"}), "pt");
    EXPECT_EQ(code({"pt-AO"}), "pt");
    EXPECT_EQ(code({"sw-KE", "PL"}), "pl");
    for (const char* traditional : {"zh-Hant", "zh-TW", "zh_HK.UTF-8", "zh-MO", "zh-Hant-CN"}) {
        EXPECT_EQ(code({traditional}), "zh_TW") << traditional;
    }
    for (const char* simplified : {"zh", "zh-CN", "zh-SG", "zh-Hans", "zh-Hans-HK"}) {
        EXPECT_EQ(code({simplified}), "zh_CN") << simplified;
    }
    EXPECT_EQ(Catalogue::Preferred({"zh-TW"}).Tag(), "zh-TW");
    EXPECT_STREQ(Catalogue::Preferred({"hi"}).Faces().windowsFace, "Nirmala UI");
    // The page's language, its texts fetched beside the program, in any order and repeated.
    const Catalogue* fetched = Catalogue::WithTexts("pt_BR", {{"Restart", "De novo"}, {"Ok", "OK"}, {"Restart", "Outra"}});
    ASSERT_NE(fetched, nullptr);
    EXPECT_STREQ(fetched->Text("Restart"), "De novo");
    EXPECT_STREQ(fetched->Text("Close"), "Close");
    EXPECT_EQ(fetched->Tag(), "pt-BR");
    EXPECT_EQ(Catalogue::WithTexts("xx", {}), nullptr);
    EXPECT_EQ(code({"en-GB", "de"}), "en");  // English is one the game has
    EXPECT_EQ(code({"C", ""}), "en");
    const Catalogue& french = Catalogue::Preferred({"fr"});
    EXPECT_STREQ(french.Text("no such text"), "no such text");
    const brimblet::PictureError large(brimblet::N_("Bitmap image is too large ({width} x {height} pixels)"),
                                       {{"width", "5000"}, {"height", "4000"}});
    EXPECT_EQ(brimblet::ErrorText(std::make_exception_ptr(large), french), "L'image bitmap est trop grande (5000 x 4000 pixels)");
    // Each place is filled once: a name typed with braces stays as typed.
    EXPECT_EQ(brimblet::FillTemplate("{name} scored a : {value}", {{"name", "{value}"}, {"value", "6"}}),
              "{value} scored a : 6");
}

TEST(CatalogueTest, countsANamesCharactersAsThePlayerSeesThem) {
    using brimblet::VisibleCharacters;
    EXPECT_EQ(VisibleCharacters("Zoe\xCC\x88 \xC5\x81ucja"), 9u);  // an e with its two dots, and Ł
    EXPECT_EQ(VisibleCharacters("\xF0\x9F\x91\x8B\xF0\x9F\x8F\xBD\xF0\x9F\x87\xB5\xF0\x9F\x87\xB1"), 2u);  // a tanned hand, PL
    EXPECT_EQ(VisibleCharacters("\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"), 1u);  // woman, joiner, girl
    EXPECT_EQ(VisibleCharacters("\xCC\x88\xFF\xC3"), 3u);  // a lone mark, then bytes that are no UTF-8
    EXPECT_EQ(VisibleCharacters("क्षमा"), 2u);  // a conjunct, and a letter with its vowel sign
    EXPECT_EQ(VisibleCharacters("ক্ষমা"), 2u);  // the same in Bengali
    EXPECT_EQ(VisibleCharacters("王小明"), 3u);
}

TEST(LineBreaks, wrapsChineseAndJapaneseBetweenCharactersButNeverBeforeAClosingMark) {
    using brimblet::MayBreakBetween;
    EXPECT_TRUE(MayBreakBetween(U'子', U'赛'));   // between two ideographs
    EXPECT_TRUE(MayBreakBetween(U'は', U'し'));   // between two kana
    EXPECT_TRUE(MayBreakBetween(U'd', U'赛'));    // a Latin name, then Chinese
    EXPECT_FALSE(MayBreakBetween(U'子', U'。'));  // no line starts with a closing mark
    EXPECT_FALSE(MayBreakBetween(U'た', U'っ'));  // nor with a small kana
    EXPECT_FALSE(MayBreakBetween(U'「', U'ボ'));  // nor ends with an opening one
    EXPECT_TRUE(MayBreakBetween(U' ', U'F'));     // after a space, as ever
    EXPECT_FALSE(MayBreakBetween(U'F', U'r'));    // never inside a word
}

#include <gtest/gtest.h>

#include "BitmapCheck.h"
#include "ErrorTexts.h"
#include "LineBreaks.h"
#include "NameLength.h"

using brimblet::Catalogue;

TEST(CatalogueTest, choosesTheFirstListedLanguageTheGameHasAndFillsItsTexts) {
    const auto code = [](const std::vector<std::string>& listed) { return Catalogue::Preferred(listed).Code(); };
    // By region and script: Chinese by its script, else its region; Brazil's Portuguese.
    for (const auto& [tag, want] : {std::pair{"pt_BR.UTF-8", "pt_BR"}, {"pt-AO", "pt"}, {"sw-KE", "en"}, {"zh-Hant-CN", "zh_TW"},
                                    {"zh_HK.UTF-8", "zh_TW"}, {"zh-SG", "zh_CN"}, {"zh-Hans-HK", "zh_CN"}, {"zh", "zh_CN"}}) {
        EXPECT_EQ(code({tag}), want) << tag;
    }
    EXPECT_EQ(code({"sw-KE", "PL"}), "pl");
    // The page's language, its texts fetched beside the program, in any order and repeated.
    const Catalogue* fetched = Catalogue::WithTexts("pt_BR", {{"Restart", "De novo"}, {"Ok", "OK"}, {"Restart", "Outra"}});
    EXPECT_TRUE(fetched && std::string(fetched->Text("Restart")) == "De novo" && fetched->Text("Ok") == std::string("OK"));
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
    // Between ideographs, kana, a Latin name and Chinese, after a space; never before a closing
    // mark or a small kana, after an opening mark, or inside a word.
    const std::u32string may = U"子赛はしd赛 F", mayNot = U"子。たっ「ボFr";
    for (std::size_t i = 0; i < may.size(); i += 2) {
        EXPECT_TRUE(brimblet::MayBreakBetween(may[i], may[i + 1])) << i;
        EXPECT_FALSE(brimblet::MayBreakBetween(mayNot[i], mayNot[i + 1])) << i;
    }
}

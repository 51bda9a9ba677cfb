#include "Main.h"

#include <algorithm>
#include <cctype>

#include "BitmapCheck.h"
#include "BoardDescription.h"
#include "DesignPictures.h"
#include "Events.h"
#include "Keys.h"
#include "NameDialogs.h"
#include "Page.h"
#include "SquareCoords.h"
#include "player1.h"
#include "player2.h"

using emscripten::val;

namespace {

// One of the fetched picture files, decoded as a desktop build decodes the file of that name.
brimblet::Pixels LoadPicture(const FetchedPictures& files, const char* fileName) {
    const auto found = files.find(fileName);
    if (found == files.end() || !found->second) {
        brimblet::FailCannotOpen(fileName);
    }
    const std::vector<unsigned char>& bytes = *found->second;
    // A desktop build reads no more of a file than the largest picture it accepts can take.
    return brimblet::DecodePicture(bytes.data(),
                                   std::min(bytes.size(), brimblet::kMaxBitmapFileBytes));
}

}  // namespace

TForm1::TForm1(Events& events, const brimblet::UtcClock& clock, const brimblet::Catalogue& texts)
    : form_(page::ById("TForm1")), image1_(page::ById("Image1")), image2_(page::ById("Image2")),
      image3_(page::ById("Image3").call<val>("querySelector", std::string("canvas"))),
      image4_(page::ById("Image4").call<val>("querySelector", std::string("canvas"))),
      position1_(page::ById("position1")), position2_(page::ById("position2")),
      label2_(page::ById("Label2")), label3_(page::ById("Label3")),
      log_(page::ById("Memo1")), texts_(texts), game_(*this, clock, texts.Game()) {
    image1_.SetDesign(DesignPictureOf(DesignPictureId::Board));
    image2_.SetDesign(DesignPictureOf(DesignPictureId::Die));
    image3_.SetDesign(DesignPictureOf(DesignPictureId::Counter1));
    image4_.SetDesign(DesignPictureOf(DesignPictureId::Counter2));
    events.Listen(page::ById("Player1"), "click", [this](val) { Player1Click(); });
    events.Listen(page::ById("Player2"), "click", [this](val) { Player2Click(); });
    events.Listen(page::ById("Restart"), "click", [this](val) { RestartClick(); });
    // The die and its caption: every click a throw, however quick, and a screen reader's
    // press of the button they make together.
    events.Listen(page::ById("ThrowDie"), "click", [this](val) { Image2Click(); });
    events.Listen(page::Document(), "keydown", [this](val event) { KeyDown(event); });
    events.Listen(val::global("window"), "resize", [this](val) { Fit(); });
    events.Listen(form_, "focusin", [this](val event) { lastFocus_ = event["target"]; });
}

// The window becomes the active one again, its focus where it was.
void TForm1::Activate() { page::Focus(lastFocus_.isNull() ? page::ById("Player1") : lastFocus_); }

// The design shown whole and as large as the viewport allows; a phone's stacked layout is
// not scaled. The pictures are shown again at the size and pixel density they now have.
void TForm1::Fit() {
    val root = page::Document()["documentElement"];
    const double width = root["clientWidth"].as<double>();
    const double height = root["clientHeight"].as<double>();
    const double scale = std::min(width / kDesignWidth, height / kDesignHeight);
    root["style"].call<void>("setProperty", std::string("--scale"), val(scale));  // the page writes the number
    // The zoom the window now has (none on a phone's stacked layout), and how much of it the
    // browser counts in the boxes it reports: Chromium and Firefox count all of it, WebKit
    // none, even for the zoomed window itself.
    const double zoom =
        val::global("parseFloat")(val::global("getComputedStyle")(form_)["zoom"]).as<double>();
    const double shownWidth = form_.call<val>("getBoundingClientRect")["width"].as<double>();
    const double counted = shownWidth / form_["offsetWidth"].as<double>();
    const double uncounted = zoom > 0 && counted > 0 ? zoom / counted : 1;
    for (PictureBox* box : {&image1_, &image2_, &image3_, &image4_}) {
        box->Fit(uncounted);
    }
}

// The key T throws as a click on the die does, while the main window is the active one (the
// focus in it, or nowhere): once a press, however long it is held, and not with Ctrl, Alt or
// the command key. In a name window it is a letter like any other.
void TForm1::KeyDown(val event) {
    const std::string key = event["key"].as<std::string>();
    const bool throwKey = key.size() == 1 && std::toupper(static_cast<unsigned char>(key[0])) ==
                                                 brimblet::kThrowDieKey;
    if (!throwKey || event["ctrlKey"].as<bool>() || event["altKey"].as<bool>() ||
        event["metaKey"].as<bool>() || page::Hidden(form_) || form_["inert"].as<bool>()) {
        return;
    }
    val focus = page::Document()["activeElement"];
    const bool active = focus.isNull() || focus.strictlyEquals(page::Document()["body"]) ||
                        form_.call<bool>("contains", focus);
    if (!active) {
        return;
    }
    event.call<void>("preventDefault");
    if (!event["repeat"].as<bool>()) {
        Image2Click();
    }
}

void TForm1::FormCreate(const FetchedPictures& files) {
    game_.FormCreate();
    assets_.CreateAndLoad([&files](const char* fileName) { return LoadPicture(files, fileName); });
    DrawCounters1(game_.State().Position1, game_.State().Position2);
}

void TForm1::SetNameDialogs(TForm2* onePlayer, TForm3* twoPlayers) {
    onePlayerDialog_ = onePlayer;
    twoPlayerDialog_ = twoPlayers;
}

void TForm1::SetNameLabels(const std::string& player1, const std::string& player2) {
    page::SetText(label2_, player1);
    page::SetText(label3_, player2);
}

void TForm1::Keep(brimblet::TabSession& session) const {
    session.State = game_.State();
    session.BoardDrawn = boardDrawn_;
    session.Label2 = page::Text(label2_);
    session.Label3 = page::Text(label3_);
    session.Log = log_.Text();
}

// The game goes on from where it was; the next throw reads the clock as always. The board is
// drawn only if it had been, so a start whose pictures failed shows the same gaps again.
void TForm1::Restore(const brimblet::TabSession& session) {
    game_.MutableState() = session.State;
    SetNameLabels(session.Label2, session.Label3);
    log_.ReplaceAll(session.Log);
    if (session.BoardDrawn) {
        DrawCounters1(session.State.Position1, session.State.Position2);
    }
    if (session.State.LastThrow != 0) {
        ShowDieFace(session.State.LastThrow);
    }
}

void TForm1::Show() {
    page::SetHidden(form_, false);
    Fit();
    FormShow();
}

void TForm1::FormShow() { page::Focus(page::ById("Player1")); }

void TForm1::Player1Click() { game_.Player1Click(); }
void TForm1::Player2Click() { game_.Player2Click(); }
void TForm1::RestartClick() { game_.RestartClick(); }
void TForm1::Image2Click() { game_.Image2Click(); }

void TForm1::ReplaceLog(const std::string& text) { log_.ReplaceAll(text); }
void TForm1::AppendLogLine(const std::string& text) { log_.AppendLine(text); }
void TForm1::ClearLog() { log_.Clear(); }

void TForm1::DrawCounters1(std::int32_t position1, std::int32_t position2) {
    using brimblet::SquareCoords;
    const brimblet::SquarePoint at1 = SquareCoords.at(static_cast<std::size_t>(position1));
    const brimblet::SquarePoint at2 = SquareCoords.at(static_cast<std::size_t>(position2));
    image1_.Draw(assets_.Board(), 0, 0);
    image1_.Draw(assets_.Counter1(), at1.x, at1.y);
    image1_.Draw(assets_.Counter2(), at2.x, at2.y);
    boardDrawn_ = true;
    // The read-outs size themselves to their text.
    page::SetText(position1_, std::to_string(position1));
    page::SetText(position2_, std::to_string(position2));
    // What a screen reader says of the board follows every move.
    image1_.Element().call<void>("setAttribute", std::string("aria-description"),
                                 brimblet::BoardDescription(texts_, position1, position2));
}

void TForm1::ShowDieFace(std::int32_t value) { image2_.Draw(assets_.DieFace(value), 0, 0); }

std::string TForm1::NameBoxText(brimblet::NameBox box) const {
    switch (box) {
    case brimblet::NameBox::OnePlayerName:
        return onePlayerDialog_ ? onePlayerDialog_->PlayerName() : "Player1";
    case brimblet::NameBox::TwoPlayerFirst:
        return twoPlayerDialog_ ? twoPlayerDialog_->FirstName() : "Player1";
    case brimblet::NameBox::TwoPlayerSecond:
        return twoPlayerDialog_ ? twoPlayerDialog_->SecondName() : "Player2";
    }
    return {};
}

void TForm1::ShowNameDialog(std::int32_t playMode) {
    if (NameDialog* dialog =
            brimblet::NameDialogOf<NameDialog>(playMode, onePlayerDialog_, twoPlayerDialog_)) {
        dialog->ShowInFront();
    }
}

#pragma once

#include <windows.h>

#include <string>

#include "Bitmap.h"
#include "Catalogue.h"
#include "Game.h"
#include "GameAssets.h"
#include "Layout.h"
#include "MessageLog.h"
#include "Presentation.h"
#include "UtcClock.h"

class PictureBox;
class TForm2;
class TForm3;

using GameAssets = brimblet::GameAssets<Bitmap>;

// The main window: board, die, read-outs, message log and the three buttons. It shows the
// game's state and forwards clicks to the game; the rules live in brimblet::Game.
class TForm1 final : private brimblet::Presentation {
public:
    static void Register(HINSTANCE instance);

    // Every text in the language of `texts`, which outlives the window.
    explicit TForm1(const brimblet::UtcClock& clock,
                    const brimblet::Catalogue& texts = brimblet::Catalogue::English());
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Builds the window, hidden, with its controls from the design, then runs FormCreate;
    // an error there is reported and ends FormCreate, and the window stays.
    void Create();
    // The creation handler: starting values, then the pictures, then the first redraw.
    // Throws when a picture file is missing or bad; what was done before stays done.
    void FormCreate();
    // The first showing: FormShow, then centred on the screen and made visible.
    void Show();
    // Closing this window ends the program.
    void MakeMainWindow() { mainWindow_ = true; }

    HWND Handle() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    PictureBox& Picture(int id) const;
    MessageLog& Log() { return log_; }
    const brimblet::Game& GameRules() const { return game_; }
    brimblet::Game& GameRules() { return game_; }
    const GameAssets& Assets() const { return assets_; }
    const brimblet::Catalogue& Texts() const { return texts_; }

    // The name dialogs whose boxes hold the players' names, and what their Ok writes.
    void SetNameDialogs(TForm2* onePlayer, TForm3* twoPlayers);
    void SetNameLabels(const std::string& player1, const std::string& player2);

    void Player1Click();
    void Player2Click();
    void RestartClick();
    void Image2Click();

private:
    template <typename Form> friend LRESULT CALLBACK FormProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void FormShow();
    void OnCommand(int id, int code);
    bool ShortcutKey(const MSG& key);

    // brimblet::Presentation
    void ReplaceLog(const std::string& text) override;
    void AppendLogLine(const std::string& text) override;
    void ClearLog() override;
    void DrawCounters1(std::int32_t square1, std::int32_t square2) override;
    void ShowDieFace(std::int32_t value) override;
    std::string NameBoxText(brimblet::NameBox box) const override;
    void ShowNameDialog(std::int32_t playMode) override;

    const brimblet::Catalogue& texts_;
    HWND window_ = nullptr;
    HWND focus_ = nullptr;  // the control that has the focus while the window is active
    bool mainWindow_ = false;
    int dpi_ = 96;  // the display's, which the layout is scaled to
    HBRUSH formBrush_;
    FontCache fonts_;
    brimblet::Game game_;
    GameAssets assets_;
    MessageLog log_;
    TForm2* onePlayerDialog_ = nullptr;
    TForm3* twoPlayerDialog_ = nullptr;
};

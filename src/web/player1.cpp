#include "player1.h"

#include "GameTexts.h"
#include "Main.h"

TForm2::TForm2(TForm1& mainForm, Events& events) : NameDialog("TForm2", mainForm, events) {
    WatchNameBox("Edit1");
}

void TForm2::Button1Click() {
    mainForm_.SetNameLabels(PlayerName() + brimblet::texts::kPositionSuffix,
                            brimblet::texts::kFredsPosition);
    mainForm_.Log().ReplaceAll(brimblet::texts::kStartHint);
    Close();
}

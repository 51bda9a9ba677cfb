#include "player2.h"

#include "GameTexts.h"
#include "Main.h"

TForm3::TForm3(TForm1& mainForm, Events& events) : NameDialog("TForm3", mainForm, events) {
    WatchNameBox("Edit1");
    WatchNameBox("Edit2");
}

void TForm3::Button1Click() {
    mainForm_.SetNameLabels(FirstName() + brimblet::texts::kPositionSuffix,
                            SecondName() + brimblet::texts::kPositionSuffix);
    mainForm_.Log().ReplaceAll(brimblet::texts::kStartHint);
    Close();
}

// main_menu.cpp: building the menu tree with its captions, access keys and first check marks.
#include "main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include "tune_titles.h"

MainMenu::MainMenu(QWidget* owner, MenuHandlers h) : bar_(new QMenuBar(owner)) {
  bar_->setNativeMenuBar(false);
  auto single = [](QMenu* menu, const QString& caption, std::function<void()> handler) {
    QAction* action = menu->addAction(caption);
    QObject::connect(action, &QAction::triggered, action, [handler] {
      if (handler) handler();
    });
    return action;
  };

  fil1 = bar_->addMenu(QStringLiteral("&Menu"));
  play1 = single(fil1, QStringLiteral("&Play till die.."), h.play1);
  xit1 = single(fil1, QStringLiteral("&I prefer go to hell"), h.xit1);

  set1 = bar_->addMenu(QStringLiteral("&Settings"));
  sound1 = set1->addMenu(QStringLiteral("&Sound"));
  sound1->setObjectName("sound1");
  suara_[1] = AddArrayEntry(sound1, "suara", QStringLiteral("&Rozirozu Scream "), true, h.suara, 1);
  suara_[2] = AddArrayEntry(sound1, "suara", QStringLiteral("&Keep the graveyard silent"), false, h.suara, 2);
  music1 = set1->addMenu(QStringLiteral("&Music"));
  music1->setObjectName("music1");
  musik_[1] = AddArrayEntry(music1, "musik", QStringLiteral("&Loud"), true, h.musik, 1);
  musik_[2] = AddArrayEntry(music1, "musik", QStringLiteral("&Off"), false, h.musik, 2);
  mode1 = set1->addMenu(QStringLiteral("M&ode"));
  mode1->setObjectName("mode1");
  modevs_[1] = AddArrayEntry(mode1, "modevs", QStringLiteral("&Human vs Human"), false, h.modevs, 1);
  modevs_[2] = AddArrayEntry(mode1, "modevs", QStringLiteral("Human vs &Dez"), true, h.modevs, 2);

  song1 = bar_->addMenu(QStringLiteral("&Song"));
  song1->setObjectName("song1");
  for (std::int16_t k = 1; k <= 4; ++k) {
    song_[k] = AddArrayEntry(song1, "song", QString::fromUtf8(kTuneTitles[k - 1]), k == 1, h.song, k);
  }

  help1 = bar_->addMenu(QStringLiteral("&Help"));
  history1 = single(help1, QStringLiteral("&History of Wirangga"), h.history1);
  about1 = single(help1, QStringLiteral("&About me.."), h.about1);

  fil1->setObjectName("fil1");
  set1->setObjectName("set1");
  help1->setObjectName("help1");
  play1->setObjectName("play1");
  xit1->setObjectName("xit1");
  history1->setObjectName("history1");
  about1->setObjectName("about1");
}

QAction* MainMenu::AddArrayEntry(QMenu* menu, const char* arrayName, const QString& caption, bool checked,
                                 const std::function<void(std::int16_t)>& handler, std::int16_t index) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString("%1(%2)").arg(arrayName).arg(index));
  action->setCheckable(true);
  action->setChecked(checked);
  // Qt flips a checkable entry's mark before it reports the click; only the
  // handlers may move marks, so the flip is undone before the handler runs.
  QObject::connect(action, &QAction::triggered, action, [action, handler, index](bool nowChecked) {
    {
      const QSignalBlocker quiet(action);
      action->setChecked(!nowChecked);
    }
    if (handler) handler(index);
  });
  return action;
}

QAction* MainMenu::Entry(MenuEntry entry) const {
  const auto pick = [&entry](const auto& members) -> QAction* {
    if (entry.index < 1 || entry.index >= static_cast<int>(members.size())) return nullptr;
    return members[entry.index];
  };
  switch (entry.array) {
    case MenuArray::suara: return pick(suara_);
    case MenuArray::musik: return pick(musik_);
    case MenuArray::modevs: return pick(modevs_);
    case MenuArray::song: return pick(song_);
  }
  return nullptr;
}

bool MainMenu::IsChecked(MenuEntry entry) const {
  QAction* action = Entry(entry);
  return action && action->isChecked();
}

void MainMenu::SetChecked(MenuEntry entry, bool on) {
  if (QAction* action = Entry(entry)) action->setChecked(on);
}

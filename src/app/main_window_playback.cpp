// The main window's Animation menu: the playback entries and the options command.
#include <string>

#include "app/animation_playback.h"
#include "app/animation_settings_dialog.h"
#include "app/graph_list.h"
#include "app/main_window.h"
#include "common/globals.h"
#include "common/number_text.h"
#include "dialogs/function/graph_dialog_protocol.h"
#include "scene/scene_globals.h"

namespace curvanta {

void MainWindow::RegisterPlaybackCommands() {
  player_ = new AnimationPlayer([this](int32_t frame) { Display(frame); }, this);
  timer1_ = player_->timer();
  AnimationPlayer* p = player_;
  const std::pair<const char*, std::function<void()>> entries[] = {
      {"mnuAniStartb", [p] { p->Start(); }},
      {"mnuAniPause", [p] { p->Pause(); }},
      {"mnuAniStop", [p] { p->Stop(); }},
      {"mnuAniFirst", [p] { p->First(); }},
      {"mnuAniPre", [p] { p->Previous(); }},
      {"mnuAniNext", [p] { p->Next(); }},
      {"mnuAniLast", [p] { p->Last(); }},
      {"mnuAniNormal", [p] { p->ChooseMode(PlayMode::ForwardOnce); }},
      {"mnuAniRev", [p] { p->ChooseMode(PlayMode::BackwardOnce); }},
      {"mnuAniRepeat", [p] { p->ChooseMode(PlayMode::ForwardLoop); }},
      {"mnuAniRevRepeat", [p] { p->ChooseMode(PlayMode::BackAndForth); }},
      {"mnuAniOpt", [this] { mnuAniOpt_Click(); }},
  };
  for (const auto& [name, run] : entries) commands_[QString::fromLatin1(name)] = run;
}

void MainWindow::mnuAniOpt_Click() {
  const auto [frames, speed] = graphList_->animOptionFields();
  const double countBefore = RoundHalfEven(LeadingNumber(frames));
  if (auto settings = RunAnimationSettingsDialog({frames, speed}, this)) {
    AnimFrameCount = settings->frameCount;
    AnimSpeed = settings->speed;
    player_->SetInterval(settings->intervalMs);
  }
  // OK and Cancel both close the dialog: its fields show the settings in force again.
  graphList_->setAnimOptionFields(std::to_string(AnimFrameCount), std::to_string(AnimSpeed));
  update();
  if (countBefore == AnimFrameCount) return;
  // Every shown graph is sampled for the new count and the frame lists compiled anew.
  for (const auto& entry : ViewScene.FunSurfs) SampleSafely(*entry.second);
  BuildSceneLists();
  Display(AnimFrame);
}

}  // namespace curvanta

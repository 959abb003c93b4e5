#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "res/resource_ids.h"

// A dialog that writes down what its handlers receive, for driving the Qt back end. By
// default it sits on the game window's template: a menu and a drawn 479 x 458 client area.
class RecordingDialog : public CDialog {
 public:
  explicit RecordingDialog(Framework& framework, int templateId = IDD_GAME,
                           CDialog* parent = nullptr)
      : CDialog(framework, templateId, parent) {}

  bool OnInitDialog() override {
    events.push_back("init");
    if (onInit) onInit(*this);
    return CDialog::OnInitDialog();
  }
  void OnOK() override { events.push_back("ok"); }
  void OnCancel() override {
    events.push_back("cancel");
    if (closable) CDialog::OnCancel();
  }
  void OnCommand(int id) override { events.push_back("command " + std::to_string(id)); }
  void OnTimer(int id) override {
    ++ticks[id];
    if (onTimer) onTimer(id);
  }
  void OnPaint() override {
    ++paints;
    if (!frame.IsEmpty()) GetPort()->Present(frame);
  }
  void OnLButtonDown(unsigned, CPoint p) override { Mouse("left", p); }
  void OnLButtonDblClk(unsigned, CPoint p) override { Mouse("double", p); }
  void OnRButtonDown(unsigned, CPoint p) override { Mouse("right", p); }
  void OnMouseMove(unsigned flags, CPoint p) override {
    Mouse(flags == 0 ? "move" : "drag", p);
  }
  void OnDropFiles(const std::vector<std::string>& paths) override { dropped = paths; }
  void OnDestroy() override { events.push_back("destroy"); }

  std::vector<std::string> events;
  std::map<int, int> ticks;
  int paints = 0;
  CBitmap frame;  // presented at every paint when not empty
  bool closable = true;
  std::vector<std::string> dropped;
  std::function<void(RecordingDialog&)> onInit;
  std::function<void(int)> onTimer;

 private:
  void Mouse(const char* what, CPoint p) {
    events.push_back(std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
};

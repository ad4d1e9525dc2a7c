// MessageMap: entries are found by id and kind, ranges cover their ids, a probe runs nothing, and
// a class chains to its base only when it has no entry itself.
#include <gtest/gtest.h>

#include <QAction>

#include "framework/cmd_target.h"

namespace {

class Base : public CCmdTarget {
 public:
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override {
    using Map = MessageMap<Base>;
    static const Map map{Map::OnCommand(1, &Base::OnOne), Map::OnCommand(2, &Base::OnTwo)};
    return map.Dispatch(this, id, msg, ui) || CCmdTarget::OnCmdMsg(id, msg, ui);
  }
  void OnOne() { calls.push_back("base 1"); }
  void OnTwo() { calls.push_back("base 2"); }
  std::vector<std::string> calls;
};

class Derived : public Base {
 public:
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override {
    using Map = MessageMap<Derived>;
    static const Map map{
        Map::OnCommand(1, &Derived::OnOne),
        Map::OnUpdate(1, &Derived::OnUpdateOne),
        Map::OnCommandRange(10, 13, &Derived::OnRange),
        Map::OnUpdateRange(10, 13, &Derived::OnUpdateRange),
    };
    return map.Dispatch(this, id, msg, ui) || Base::OnCmdMsg(id, msg, ui);
  }
  void OnOne() { calls.push_back("derived 1"); }
  void OnUpdateOne(CCmdUI* ui) { ui->SetCheck(1); }
  void OnRange(int id) { calls.push_back("range " + std::to_string(id)); }
  void OnUpdateRange(CCmdUI* ui) { ui->Enable(ui->m_nID % 2 == 0); }
};

TEST(MessageMap, ClassEntryHidesBaseEntryAndBaseFillsTheRest) {
  Derived target;
  EXPECT_TRUE(target.OnCmdMsg(1, CmdMsg::Command, nullptr));
  EXPECT_TRUE(target.OnCmdMsg(2, CmdMsg::Command, nullptr));
  EXPECT_FALSE(target.OnCmdMsg(3, CmdMsg::Command, nullptr));
  EXPECT_EQ(target.calls, (std::vector<std::string>{"derived 1", "base 2"}));
}

TEST(MessageMap, RangeEntriesPassTheIdAndCoverBothEnds) {
  Derived target;
  for (int id : {9, 10, 13, 14}) target.OnCmdMsg(id, CmdMsg::Command, nullptr);
  EXPECT_EQ(target.calls, (std::vector<std::string>{"range 10", "range 13"}));
}

TEST(MessageMap, ProbeAnswersWithoutRunningTheHandler) {
  Derived target;
  EXPECT_TRUE(target.OnCmdMsg(1, CmdMsg::Probe, nullptr));
  EXPECT_TRUE(target.OnCmdMsg(2, CmdMsg::Probe, nullptr));
  EXPECT_FALSE(target.OnCmdMsg(5, CmdMsg::Probe, nullptr));
  EXPECT_TRUE(target.calls.empty());
}

TEST(MessageMap, UpdateEntriesAreSeparateFromCommandEntries) {
  Derived target;
  QAction action(QStringLiteral("item"));
  CCmdUI one(1, &action);
  EXPECT_TRUE(target.OnCmdMsg(1, CmdMsg::Update, &one));
  EXPECT_TRUE(action.isChecked());
  EXPECT_FALSE(one.EnableChanged());

  CCmdUI two(2, &action);  // a command entry only
  EXPECT_FALSE(target.OnCmdMsg(2, CmdMsg::Update, &two));

  QAction odd(QStringLiteral("odd"));
  CCmdUI eleven(11, &odd);
  EXPECT_TRUE(target.OnCmdMsg(11, CmdMsg::Update, &eleven));
  EXPECT_TRUE(eleven.EnableChanged());
  EXPECT_FALSE(odd.isEnabled());
  EXPECT_TRUE(target.calls.empty());
}

}  // namespace

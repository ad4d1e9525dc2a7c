// Command targets. Each class lists its command and update handlers by id in one typed table
// (MessageMap) and chains to its base; the frame routes a command through view, document, frame and
// application, and the first target with an entry handles it.
#pragma once

#include <initializer_list>
#include <vector>

#include "framework/cmd_ui.h"

// What a target is asked: run its command handler, run its update handler, or only tell whether it
// has a command handler (the automatic enabling of items without an update handler asks this).
enum class CmdMsg { Command, Update, Probe };

class CCmdTarget {
 public:
  CCmdTarget() = default;
  virtual ~CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;

  // Handles id as msg asks (ui is the item for Update); false when this target has no entry of that
  // kind for id. The base has no entries.
  virtual bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui);
};

// The handler table of class T. Entries are searched in order; a range covers first..last.
template <class T>
class MessageMap {
 public:
  struct Entry {
    int first;
    int last;
    void (T::*command)() = nullptr;
    void (T::*commandRange)(int id) = nullptr;
    void (T::*update)(CCmdUI* ui) = nullptr;
  };

  static Entry OnCommand(int id, void (T::*handler)()) { return {id, id, handler, nullptr, nullptr}; }
  static Entry OnCommandRange(int first, int last, void (T::*handler)(int)) {
    return {first, last, nullptr, handler, nullptr};
  }
  static Entry OnUpdate(int id, void (T::*handler)(CCmdUI*)) { return {id, id, nullptr, nullptr, handler}; }
  static Entry OnUpdateRange(int first, int last, void (T::*handler)(CCmdUI*)) {
    return {first, last, nullptr, nullptr, handler};
  }

  MessageMap(std::initializer_list<Entry> entries) : m_entries(entries) {}

  bool Dispatch(T* target, int id, CmdMsg msg, CCmdUI* ui) const {
    for (const Entry& e : m_entries) {
      if (id < e.first || id > e.last) continue;
      if (msg == CmdMsg::Update) {
        if (!e.update || !ui) continue;
        (target->*e.update)(ui);
        return true;
      }
      if (!e.command && !e.commandRange) continue;
      if (msg == CmdMsg::Command) {
        if (e.command)
          (target->*e.command)();
        else
          (target->*e.commandRange)(id);
      }
      return true;
    }
    return false;
  }

  std::size_t size() const { return m_entries.size(); }

 private:
  std::vector<Entry> m_entries;
};

// CCmdTarget: the end of every handler chain.
#include "framework/cmd_target.h"

bool CCmdTarget::OnCmdMsg(int, CmdMsg, CCmdUI*) {
  return false;
}

// CVeskDoc's handler table: the two unit conversions, always enabled. Save and Save As come from
// the framework's document.
#include "document/command_ids.h"
#include "document/veskdoc.h"

bool CVeskDoc::OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) {
  using Map = MessageMap<CVeskDoc>;
  static const Map map{
      Map::OnCommand(ID_EDIT_INTOCM, &CVeskDoc::OnInToCm),
      Map::OnCommand(ID_EDIT_CMTOIN, &CVeskDoc::OnCmToIn),
  };
  return map.Dispatch(this, id, msg, ui) || CDocument::OnCmdMsg(id, msg, ui);
}

// Owner handles in a DXF OBJECTS section: each object names the dictionary that lists it.
#include "export/dxf_objects.h"

#include <gtest/gtest.h>

namespace {

QByteArray Lines(std::initializer_list<const char*> lines) {
  QByteArray out;
  for (const char* line : lines) out += QByteArray(line) + '\n';
  return out;
}

}  // namespace

TEST(DxfObjectsTest, EachObjectGetsTheDictionaryThatListsIt) {
  const QByteArray in =
      Lines({"  0", "SECTION",    "  2", "OBJECTS",                                    //
             "  0", "DICTIONARY", "  5", "C",       "  3", "A",          "350", "D",   // root
             "  3", "B",          "360", "E",                                          //
             "  0", "DICTIONARY", "  5", "D",       "  3", "X",          "350", "F",   //
             "  0", "LAYOUT",     "  5", "F",       "100", "AcDbLayout", "330", "1B",  // 330 is not its owner
             "  0", "XRECORD",    "  5", "E",       "330", "C",                        // already named
             "  0", "ENDSEC",     "  0", "EOF"});
  const QByteArray want =
      Lines({"  0", "SECTION",    "  2", "OBJECTS",                                               //
             "  0", "DICTIONARY", "  5", "C",       "330", "0", "  3", "A",          "350", "D",  //
             "  3", "B",          "360", "E",                                                     //
             "  0", "DICTIONARY", "  5", "D",       "330", "C", "  3", "X",          "350", "F",  //
             "  0", "LAYOUT",     "  5", "F",       "330", "D", "100", "AcDbLayout", "330", "1B",
             "  0", "XRECORD",    "  5", "E",       "330", "C",  //
             "  0", "ENDSEC",     "  0", "EOF"});
  EXPECT_EQ(AddObjectOwners(in).toStdString(), want.toStdString());
}

TEST(DxfObjectsTest, TextWithoutACompleteObjectsSectionIsUnchanged) {
  for (const QByteArray& text :
       {Lines({"  0", "SECTION", "  2", "ENTITIES", "  0", "ENDSEC", "  0", "EOF"}),
        Lines({"  0", "SECTION", "  2", "OBJECTS", "  0", "DICTIONARY", "  5", "C"}),  // cut short
        QByteArray(), QByteArray("OBJECTS")})
    EXPECT_EQ(AddObjectOwners(text), text);
}

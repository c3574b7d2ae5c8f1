// SPDX-License-Identifier: MIT
#pragma once
// Where a reference leads when every reference is followed (the FollowAllReferences setting and
// `qorl ref`): a table reference ("#01378", "#P0219") to the topic that defines the table in
// the list its prefix names, a reference of another list kind ("PORT 0060h" read in
// INTERRUP.LST, "INT 15/AX=C000h" read in PORTS.LST) to the list of that kind, with that kind's
// key, and every other reference as ResolveReference reads it in the open list.

#include <string>
#include <string_view>

namespace qorl {

enum class RouteKind {
  NotHandled,    // nothing to follow (open list of kind 8 and above, or no list kind)
  InvalidShape,  // not a reference of any list: kTopicNotInListMessage
  Key,           // key and title, looked up in listKind's list as LocateTopic does
  Table,         // tableId, looked up in listKind's table map
};

struct ReferenceRoute {
  RouteKind kind = RouteKind::NotHandled;
  int listKind = -1;  // the kind of the list the reference is looked up in
  std::string key;
  std::string title;
  std::string tableId;
};

// The table id of a table reference, "#" followed by a table id (IsTableId) and nothing more;
// empty when reference is none.
std::string_view TableIdOf(std::string_view reference);

// The list kind whose references have reference's shape: "INT" 1, "PORT " 2, "MEM " 3,
// "CMOS " 4, "@" 5, "MSR " 6, "I2C " 7 (words compared upper-cased). A relative reference
// ("AX=4B00h", '=' third) belongs to INTERRUP.LST only while a list of that kind is open
// (openKind 1), since its interrupt comes from the topic on view. 0 for none.
int ShapeListKind(std::string_view reference, int openKind);

// openKind: the kind of the list the reference is read in (-1 none, 0 other, 1..11);
// currentIdentifier: the identifier of the topic it is read in.
ReferenceRoute RouteReference(std::string_view reference, int openKind,
                              std::string_view currentIdentifier);

}  // namespace qorl

// Appending objects from a command: the table's capacity tests with the
// drawing-full messages. Every drawing command asks BeginAppend for the slot
// of its new object and ends with CommitAppend; a Line asks VertexRoom
// before each new vertex. A full table or a full Line is refused with a
// message, never written past.
#pragma once
#include <string>

struct App;

// The slot the new object goes to (ObjNext), or 0 after telling the user the
// drawing is full (3000 objects).
int BeginAppend(App& app);
// True when n more objects fit (from ObjNext on); otherwise tells the user.
bool RoomFor(App& app, int n);
// True when vertex position k (1-based) exists; otherwise tells the user.
bool VertexRoom(App& app, int k);
// Stores the finished object (model/append.h).
void CommitAppend(App& app, int slot, const std::string& kind);

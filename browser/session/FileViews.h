// What the browser shows of an open file: its tree, the detail list and the
// display pane of a selected tag. Each is one walk into one output.
#pragma once

#include <string>

namespace vantor {

class basCCF;
class CCFlocal;

// Builds the tree, registers the shared icons and IR codes, and shows the
// file's root in the list and the display pane (only the tree when the
// tree keeps no nodes).
void Load(basCCF& browser, CCFlocal& file);
void LoadTree(basCCF& browser, CCFlocal& file);
void LoadListView(basCCF& browser, CCFlocal& file, const std::string& tag);
void LoadDisplay(basCCF& browser, CCFlocal& file, const std::string& tag);

} // namespace vantor

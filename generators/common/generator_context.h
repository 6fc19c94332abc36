#pragma once

namespace zel {

class BlockSink;
class Prompts;

// What a generator dialog receives from the main window: the message boxes it may show and
// the editor's InsertBlock hand-off. Nothing else of the main window is reachable.
struct GeneratorContext {
  Prompts& prompts;
  BlockSink& sink;
};

}  // namespace zel

#pragma once
// How many threads a render may keep busy at once.

namespace quillora::canvas {

// As many as the global thread pool allows (at least the calling one).
int RenderThreads();

}  // namespace quillora::canvas

#include "RenderThreads.h"

#include <QThreadPool>
#include <algorithm>

namespace quillora::canvas {

int RenderThreads() { return std::max(1, QThreadPool::globalInstance()->maxThreadCount()); }

}  // namespace quillora::canvas

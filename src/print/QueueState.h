#pragma once
// What the print system says about a queue before a job goes to it.
#include <QString>
#include <optional>

namespace quillora::print {

// The scheduler's reason when the queue does not accept jobs (cupsreject), else nothing.
std::optional<QString> QueueRefusal(const QString& queue);

}  // namespace quillora::print

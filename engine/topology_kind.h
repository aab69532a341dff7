#pragma once

namespace tessaron {

enum class TopologyKind { MultipleFeedback, SallenKey, Passive };

}  // namespace tessaron

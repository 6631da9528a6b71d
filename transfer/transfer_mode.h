// Whether dropped items are moved or copied.
#pragma once

namespace fdt {

enum class TransferMode { Move, Copy };

}  // namespace fdt

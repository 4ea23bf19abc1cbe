#pragma once

namespace registers {
} // namespace registers

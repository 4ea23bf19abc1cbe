#pragma once

namespace draw {
} // namespace draw

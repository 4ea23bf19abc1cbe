#pragma once

namespace documents {
} // namespace documents

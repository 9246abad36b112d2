#include "core/shared_state.h"

namespace vexo {

namespace {
SharedState &instance()
{
    static SharedState state;
    return state;
}
} // namespace

SharedState &shared()
{
    return instance();
}

void resetSharedState()
{
    instance() = SharedState{};
}

} // namespace vexo

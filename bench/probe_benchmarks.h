#pragma once

// Registers the reference solver's lower bound on sampled states of small
// boards (12..20 x 12..20, 6..10 colours): "probe/bound/masks", the walk on
// bit sets the exact search takes, beside "probe/bound/edges", the walk over
// neighbour lists that larger graphs take; and "probe/after/masks", a child's
// bound from its parent's frontier.
void registerProbeBenchmarks();

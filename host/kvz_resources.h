// The host's compiled-in icons (":/Image/Resources/...").
#ifndef KVZ_RESOURCES_H
#define KVZ_RESOURCES_H

// Registers the icons; safe to call more than once.
void kvzInitHostResources();

#endif // KVZ_RESOURCES_H

#pragma once

namespace Corvane::Basics
{
/**
 * The shutdown steps of the process-wide services: the log, the image stores, the default font,
 * the video subsystem, and whatever else keeps state for the whole process. A service registers
 * its stop step when it starts, eagerly at start-up or on its first use, and withdraws it when it
 * is stopped by hand; shutdown() then stops every service still running, the last started first,
 * so that nothing stops before a service started after it and perhaps relying on it. Nothing is
 * left for the end of the process to let go.
 *
 * One thread uses it, the one that runs the program.
 */
class CProcessServices
{
public:
    using StopFunction = void (*)();

    CProcessServices() = delete;

    /**
     * Records that the service @p name has started and that @p stop stops it. A service that is
     * registered already keeps its place and its first stop step: starting it again changes
     * nothing. Null names and steps are ignored.
     */
    static void registerService(const char *name, StopFunction stop);

    /** Forgets the service @p name (stopped by hand); unknown names are ignored. */
    static void withdrawService(const char *name);

    static bool isServiceRegistered(const char *name);
    static long getNumberOfServices();

    /**
     * Stops every registered service once, in reverse order of registration. A service that starts
     * while another stops is stopped as well, before shutdown returns (but none is stopped twice).
     * Afterwards nothing is registered, and services may start again.
     */
    static void shutdown();
};
} // namespace Corvane::Basics

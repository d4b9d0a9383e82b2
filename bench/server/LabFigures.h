#pragma once

#include "Latencies.h"

// What one run of a lab measured, and what its count of the server's rows found afterwards.
struct LabFigures {
    // The crowd's, all at once, and the lab's learners' as their PCs come on one after the other.
    Latencies signIn;
    Latencies seatedSignIn;
    Latencies drill;
    // The drills finished before the crowd arrived or after the last of them had their history.
    Latencies drillApart;
    Latencies history;
    // One of the crowd's histories opened again and again once the session is over, the server
    // otherwise idle.
    Latencies historyAlone;

    // Drills and history pieces handed to the stores, and what the server keeps of them: those
    // neither kept nor waiting in a PC's queue are lost, those kept twice doubled.
    int drillsFinished = 0;
    int lost = 0;
    int doubled = 0;
    int stillQueued = 0;
    // Sign-ins refused or unanswered, and histories that came back short.
    int failedSignIns = 0;
    int shortHistories = 0;

    // How late the drills started at worst against their schedule, and the drills per second
    // the server took over the session.
    double worstLagMs = 0.0;
    double drillsPerSecond = 0.0;
    double sessionSeconds = 0.0;
};

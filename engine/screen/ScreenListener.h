// What an application gives the screen: the one operation that runs on the render thread.
#pragma once

class CScreenListener {
public:
    CScreenListener() {}
    CScreenListener(const CScreenListener&) {}
    CScreenListener& operator=(const CScreenListener&) { return *this; }
    virtual ~CScreenListener() {}

    // The application's whole program: builds its objects and runs its frame loop.
    virtual void Run() = 0;
};

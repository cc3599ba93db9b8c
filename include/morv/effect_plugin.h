/* The contract between the MORV engine and the effect libraries it loads at run time. */
#ifndef MORV_EFFECT_PLUGIN_H
#define MORV_EFFECT_PLUGIN_H

/*
 * An effect library is a shared library in the game's CGEFFECT_DIRECTORY. The
 * engine loads it by the name the scenario gives, binds its exports by their exact
 * names and releases it again when the effect is over. Two kinds exist:
 *
 *  - A transition library exports CGEffect, which draws one whole transition in one
 *    call (scenario commands "cgeffect" and "threadcgeffect" with the library's file
 *    name in place of a built-in effect keyword).
 *  - A continuous library exports BeginCGEffect2, UpdateFrame and EndCGEffect2
 *    (command "cgeffect2"): Begin once, UpdateFrame once per engine turn, End once
 *    when the effect is ended or replaced.
 *
 * Pixels: a surface of 16 bits per pixel holds RGB565 (red in bits 15-11, green
 * 10-5, blue 4-0); any other depth is 32 bits per pixel, 0x00RRGGBB. Rows are
 * `pitch` bytes apart. Every surface handed to one call has the same format; the
 * frame, scene and stage surfaces also have the same size.
 *
 * Threads: CGEffect runs on the engine's main thread for "cgeffect" and on its one
 * effect worker thread for "threadcgeffect". The continuous exports always run on
 * the main thread. A library keeps no handle it was given beyond the call, except
 * that a continuous library may keep the surfaces from BeginCGEffect2 until
 * EndCGEffect2.
 *
 * This header needs nothing but <stdint.h>; a library links against nothing of MORV.
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A rectangle on the display: left and top inclusive, right and bottom exclusive. */
typedef struct MorvRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} MorvRect;

typedef struct MorvPrimary MorvPrimary;
typedef struct MorvSurface MorvSurface;

/* The display the player sees. A library shows a frame by copying a surface into it
 * (MorvSurface.copyToPrimary) and times its frames by the engine's tick counter. */
struct MorvPrimary {
    /* Milliseconds since an arbitrary start; wraps around after 2^32. Time effects
     * with this counter, not the system's, so that they keep step with the engine. */
    uint32_t (*ticks)(MorvPrimary* self);
    void* host; /* the engine's own; never touched by a library */
};

/* An off-screen picture owned by the engine. */
struct MorvSurface {
    int32_t width;
    int32_t height;
    int32_t pitch;        /* bytes from one row to the next */
    int32_t bitsPerPixel; /* 16 or 32 */
    /* The address of the first pixel of row 0; null when the surface has no pixels.
     * Pixels stay at that address while the call that received the surface runs. */
    void* (*lock)(MorvSurface* self);
    void (*unlock)(MorvSurface* self);
    /* Shows the whole surface on the primary at `rect`, stretched as needed; a null
     * rectangle means the whole primary. Returns 0 when shown, negative when the
     * copy was refused (nothing is shown then). */
    int32_t (*copyToPrimary)(MorvSurface* self, MorvPrimary* primary, const MorvRect* rect);
    void* host; /* the engine's own; never touched by a library */
};

/*
 * CGEffect: one whole transition from the scene (old picture) to the stage (new
 * picture), drawn in `frame` and presented by the library itself.
 *   primary   the display.
 *   frame     where frames are composed; holds a copy of the scene on entry.
 *   scene     the picture on view before the effect.
 *   stage     the new picture.
 *   scratch   an extra picture at its own size (the last one the engine loaded), or null.
 *   duration  the command's second argument, unchanged.
 *   parameter the command's fourth argument; 0 when the command has fewer.
 *   run       nonzero while the effect may go on. The engine clears it to cancel a
 *             threaded effect; read it at least once per frame, never write it,
 *             and return soon after reading 0.
 *   rect      where frames go on the primary, or null for the whole primary; pass
 *             it on to copyToPrimary.
 * When the call returns, `frame` must hold the picture that stays on view; the
 * engine copies it into the scene and the stage and does not present it again.
 * The result is ignored.
 */
typedef int32_t (*MorvCGEffectFn)(MorvPrimary* primary, MorvSurface* frame, MorvSurface* scene, MorvSurface* stage,
                                  MorvSurface* scratch, uint32_t duration, int32_t parameter,
                                  volatile int32_t* run, const MorvRect* rect);

/* BeginCGEffect2: a continuous effect starts. `parameter` is the command's second
 * argument as zero-terminated CP949 text ("" when absent). The surfaces stay valid
 * until EndCGEffect2. Result ignored. */
typedef int32_t (*MorvBeginCGEffect2Fn)(const char* parameter, MorvSurface* frame, MorvSurface* scene,
                                        MorvSurface* stage);

/* UpdateFrame: one engine turn. The engine passes 0 and three null surfaces; draw
 * into the surfaces from BeginCGEffect2. The engine lays its text window over the
 * frame and presents it afterwards. Result ignored. */
typedef int32_t (*MorvUpdateFrameFn)(int32_t reserved, MorvSurface* unused1, MorvSurface* unused2,
                                     MorvSurface* unused3);

/* EndCGEffect2: the continuous effect is ended or replaced. Result ignored. */
typedef int32_t (*MorvEndCGEffect2Fn)(void);

/* Declarations for libraries: define the ones your library exports. */
int32_t CGEffect(MorvPrimary* primary, MorvSurface* frame, MorvSurface* scene, MorvSurface* stage,
                 MorvSurface* scratch, uint32_t duration, int32_t parameter, volatile int32_t* run,
                 const MorvRect* rect);
int32_t BeginCGEffect2(const char* parameter, MorvSurface* frame, MorvSurface* scene, MorvSurface* stage);
int32_t UpdateFrame(int32_t reserved, MorvSurface* unused1, MorvSurface* unused2, MorvSurface* unused3);
int32_t EndCGEffect2(void);

#ifdef __cplusplus
}
#endif

#endif /* MORV_EFFECT_PLUGIN_H */

// Resource ids: panel indicator lights 330..353, caption bar bitmaps 325..329.
#ifndef TILFAY_RESOURCE_H
#define TILFAY_RESOURCE_H

#endif

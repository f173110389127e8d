/*
Device is V38xx
*/
#define GENERICGAIN 1.000000 
#define GENERICEQ={}

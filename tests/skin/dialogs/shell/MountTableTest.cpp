#include "skin/dialogs/shell/MountTable.h"

#include <gtest/gtest.h>

TEST(MountTable, DecodesOctalEscapesAndLeavesTheRestAlone) {
    EXPECT_EQ(DecodeMountEscapes("/media/me/My\\040Disk"), "/media/me/My Disk");
    EXPECT_EQ(DecodeMountEscapes("a\\011b\\012c\\134d"), "a\tb\nc\\d");
    EXPECT_EQ(DecodeMountEscapes("\\344\\275\\240"), "\xe4\xbd\xa0");
    EXPECT_EQ(DecodeMountEscapes("bad\\09x\\7"), "bad\\09x\\7");
    EXPECT_EQ(DecodeMountEscapes("\\777"), "\\777") << "past a byte: kept as written";
}

TEST(MountTable, KeepsUserVolumesWithTheirKinds) {
    const char* table = "sysfs /sys sysfs rw,nosuid 0 0\n"
                        "proc /proc proc rw 0 0\n"
                        "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
                        "tmpfs /run tmpfs rw 0 0\n"
                        "tmpfs /tmp tmpfs rw 0 0\n"
                        "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n"
                        "/dev/nvme0n1p3 /home ext4 rw 0 0\n"
                        "/dev/loop3 /snap/core22/1380 squashfs ro 0 0\n"
                        "/dev/sdb1 /media/me/USB\\040Stick vfat rw 0 0\n"
                        "/dev/sdc1 /run/media/me/Backup ext4 rw 0 0\n"
                        "/dev/sr0 /media/me/DVD_2026 iso9660 ro 0 0\n"
                        "server:/export /mnt/nas nfs4 rw 0 0\n"
                        "//host/share /mnt/smb cifs rw 0 0\n"
                        "me@box:/ /mnt/ssh fuse.sshfs rw 0 0\n"
                        "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n"
                        "/dev/sdd1 /data xfs rw 0 0\n"
                        "broken line\n"
                        "\n"
                        "/dev/sdd2 /data ext4 rw 0 0\n"; // mounted over: the last entry holds
    std::vector<TVolume> volumes = ParseMountTable(table);
    struct Expected {
        const char* MountPoint;
        TVolumeKind Kind;
        const char* Label;
    };
    const Expected expected[] = {
        {"/home", vkFixed, "home"},
        {"/media/me/USB Stick", vkRemovable, "USB Stick"},
        {"/run/media/me/Backup", vkRemovable, "Backup"},
        {"/media/me/DVD_2026", vkOptical, "DVD_2026"},
        {"/mnt/nas", vkNetwork, "nas"},
        {"/mnt/smb", vkNetwork, "smb"},
        {"/mnt/ssh", vkNetwork, "ssh"},
        {"/data", vkFixed, "data"},
    };
    ASSERT_EQ(volumes.size(), std::size(expected));
    for (size_t i = 0; i < volumes.size(); ++i) {
        EXPECT_EQ(volumes[i].MountPoint, expected[i].MountPoint);
        EXPECT_EQ(volumes[i].Kind, expected[i].Kind) << expected[i].MountPoint;
        EXPECT_EQ(volumes[i].Label, expected[i].Label);
    }
    EXPECT_EQ(volumes.back().FsType, "ext4");
}

TEST(MountTable, NonUtf8MountPointKeepsItsBytesAndShowsAReplacement) {
    std::vector<TVolume> volumes = ParseMountTable("/dev/sdb1 /media/me/\\377disk vfat rw 0 0\n");
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_EQ(volumes[0].MountPoint, "/media/me/\xff"
                                     "disk");
    EXPECT_EQ(volumes[0].Label, "\xEF\xBF\xBD"
                                "disk");
}

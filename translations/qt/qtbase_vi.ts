<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Tìm trong:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Tiếp</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Đi tiếp</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Thư mục cha</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Lên thư mục cha</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Tạo thư mục mới</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Tạo một thư mục mới</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Xem dạng danh sách</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Chuyển sang xem dạng danh sách</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Xem chi tiết</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Chuyển sang xem chi tiết</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Thanh bên</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Danh sách địa điểm và dấu trang</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Loại tệp:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Tên tệp:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Mở</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Chọn</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tất cả tệp (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tất cả tệp (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Thư mục:</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Địa điểm gần đây</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Đổi &amp;tên</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Xóa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Hiện tệp ẩ&amp;n</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Thư mục &amp;mới</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Thư mục mới</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Hiện </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Gỡ bỏ</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Bạn có chắc muốn xóa &apos;%1&apos; không?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; được bảo vệ chống ghi.
Bạn vẫn muốn xóa nó chứ?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Không thể xóa thư mục.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Không tìm thấy thư mục.
Vui lòng kiểm tra lại tên thư mục đã nhập.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Không tìm thấy tệp.
Vui lòng kiểm tra lại tên tệp đã nhập.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Kích thước</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Loại</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ngày sửa đổi</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Máy tính</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Máy tính của tôi</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Ổ đĩa</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Không rõ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cắ&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Hiện chi tiết...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ẩn chi tiết...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Hủy</translation>
    </message>
</context>
</TS>

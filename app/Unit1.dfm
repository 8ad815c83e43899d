object Form1: TForm1
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  Caption = 'Pellomir by Orvanta V1.0'
  ClientHeight = 546
  ClientWidth = 654
  Color = clBtnFace
  Constraints.MaxHeight = 585
  Constraints.MaxWidth = 670
  Constraints.MinHeight = 585
  Constraints.MinWidth = 670
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poDesigned
  PixelsPerInch = 96
  TextHeight = 13
  object sGroupBox1: TGroupBox
    Left = 0
    Top = 0
    Width = 654
    Height = 65
    Align = alTop
    Caption = 'Получить список URL введите адрес нужного вам сайта'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 0
    object sBitBtn1: TBitBtn
      Left = 520
      Top = 22
      Width = 113
      Height = 28
      Caption = 'Получить список'
      TabOrder = 0
      OnClick = sBitBtn1Click
    end
    object sEdit1: TEdit
      Left = 24
      Top = 24
      Width = 489
      Height = 24
      TabOrder = 1
      TextHint = 'http://www.example.com/sitemap.php (sitemap.xml)'
    end
  end
  object sGroupBox2: TGroupBox
    Left = 0
    Top = 65
    Width = 654
    Height = 392
    Align = alTop
    Caption = ' Полученный список URL. Найдено URL: 0 '
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 2
    object sMemo1: TMemo
      Left = 2
      Top = 18
      Width = 650
      Height = 372
      Align = alClient
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
      ScrollBars = ssVertical
      TabOrder = 0
      WordWrap = False
      OnChange = sMemo1Change
    end
  end
  object sGroupBox3: TGroupBox
    Left = 0
    Top = 457
    Width = 654
    Height = 80
    Align = alTop
    Caption = 'Сохранить результаты в файл'
    Color = clBtnShadow
    DoubleBuffered = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentColor = False
    ParentFont = False
    TabOrder = 1
    object sButton1: TButton
      Left = 272
      Top = 32
      Width = 81
      Height = 25
      Caption = 'Сохранить'
      TabOrder = 0
      OnClick = sButton1Click
    end
    object sImage1: TImage
      Left = 544
      Top = 24
      Width = 33
      Height = 33
      Cursor = crHandPoint
      Picture.Data = {@InfoSign.png@}
      Proportional = True
      Transparent = True
      OnClick = sImage1Click
    end
  end
  object XMLDocument1: TXMLDocument
    Options = [doNodeAutoCreate, doNodeAutoIndent, doAttrNull, doAutoPrefix, doNamespaceDecl]
    DOMVendorDesc = 'MSXML'
  end
  object sSaveDialog1: TSaveDialog
  end
end

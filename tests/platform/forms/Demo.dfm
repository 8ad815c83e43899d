object DemoForm: TDemoForm
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Framework demo'
  ClientHeight = 360
  ClientWidth = 480
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poDesigned
  PixelsPerInch = 96
  TextHeight = 13
  object GroupBox1: TGroupBox
    Left = 0
    Top = 0
    Width = 480
    Height = 60
    Align = alTop
    Caption = 'Address of the sitemap'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 0
    object Edit1: TEdit
      Left = 12
      Top = 24
      Width = 324
      Height = 24
      TabOrder = 1
      TextHint = 'http://www.example.org/sitemap.php (sitemap.xml)'
    end
    object FetchButton: TButton
      Left = 344
      Top = 22
      Width = 124
      Height = 28
      Caption = #1055#1086#1083#1091#1095#1080#1090#1100' '#1089#1087#1080#1089#1086#1082
      TabOrder = 0
      OnClick = FetchButtonClick
    end
  end
  object Panel1: TPanel
    Left = 0
    Top = 60
    Width = 480
    Height = 260
    Align = alClient
    BevelOuter = bvLowered
    Caption = 'Panel caption stays behind the controls'
    VerticalAlignment = taAlignBottom
    TabOrder = 1
    object Label1: TLabel
      Left = 280
      Top = 12
      Width = 186
      Height = 80
      AutoSize = False
      Caption = #1055#1086#1079#1074#1086#1083#1103#1077#1090' '#1089#1082#1072#1095#1072#1090#1100' '#1089' '#1089#1072#1081#1090#1072' '#1089#1087#1080#1089#1086#1082' '#1089#1090#1088#1072#1085#1080#1094' '#1080#1079' sitemap.xml.'#13#10 +
        'Framework labels wrap and draw their text over the panel.'
      WordWrap = True
    end
    object Image1: TImage
      Left = 280
      Top = 104
      Width = 33
      Height = 33
      Cursor = crHandPoint
      Picture.Data = {
        0954506E67496D61676589504E470D0A1A0A0000000D49484452000000200000
        00200806000000737A7AF4000002544944415478DABDD74B6B13511806E0FC84
        F905CD699AA62EFD012EE607A81BADAD8DF75B2FDE366E5DA80537CAD182B810
        372E446CBC8BA5161D6FB5514B0F5212932A5A0D0855290DA2282E5EDFA3C3A4
        639D74CE74D203CF2230DFF7BD243399731289886BC58137826C9748347AB5ED
        9F122449110228F79AF802B5ED2BD9E4100CE91A3BFAE0BD458B246189740FCB
        6878A6AF609122C444F70A1722D33B699122C44CF7AC1F22D3F3D2224508636D
        7F19236A0EF9F257F49E7D17A646F70E0ED1DAAD2421ACCA979F98BFB2275F87
        A99301C3276C82897FD7C0AD8F616B173E1DAD7BC61D8289CAE71FFE6FE04429
        6CADE31B9EDEFD5C104CAD393289BB13B3C897AAE83933655A5FFBB34AEF7A26
        09CBAC762FA4778E29C232535E80961DA38822FF6ACEFBFD734F668CEBFF0EDF
        FE5810A2A87EFBE505387DFD7D941E82011ED904532BFB467D4F40F7400111FA
        D889966D0F6C82A9AEE3CA1760F5E11788D0C74EA4B6DE17045387CE157D01A2
        F4D0B3FFDC07A92DF760EAD4D5B7DEF0CAA7EF88D2C37B0A529B4714C1C4F0F8
        8C1760AC380BD37A3DD30BD0BC6958124C14A6AB5E80F343D330ADD7336B01B2
        43826062FE3A7AA108D37A3DD3F73E68CEDE710861AC3AE8F80274F6E711B6D6
        E52C781B8AAEDB3661311DC79E62F0E1075F00FD59E6CA0853EFFAFF66556CBC
        2909F5C85C09416BB15A970CDC1189CE1B16294283E8DEF5F785C98E6B162942
        CC74CF703BE3E4862B1629424C742FB3B341B27DD022495822DDC38A7C426A6A
        BF6C934330A46BECD8CE884DEB2F0992A40801947B4DE34FCB4DEB2E0AB25D91
        07FE0685C6196293A5BCEF0000000049454E44AE426082}
      Proportional = True
      Transparent = True
      OnClick = Image1Click
    end
    object Memo1: TMemo
      Left = 10
      Top = 10
      Width = 260
      Height = 210
      Lines.Strings = (
        'http://www.example.org/'
        'http://www.example.org/about'
        'http://www.example.org/'#1082#1086#1085#1090#1072#1082#1090#1099)
      ScrollBars = ssVertical
      TabOrder = 0
      WordWrap = False
    end
    object OkButton: TBitBtn
      Left = 280
      Top = 180
      Width = 89
      Height = 32
      Kind = bkOK
      NumGlyphs = 2
      TabOrder = 1
    end
    object CloseButton: TBitBtn
      Left = 377
      Top = 180
      Width = 89
      Height = 32
      Kind = bkClose
      NumGlyphs = 2
      TabOrder = 2
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 320
    Width = 480
    Height = 40
    Align = alBottom
    Alignment = taLeftJustify
    BevelOuter = bvNone
    Caption = '  Found: 3'
    Color = clBtnShadow
    Font.Color = clWhite
    TabOrder = 2
  end
end
